#pragma once

#include "print/ProductDialog.h"

namespace ui {
class Picture;
}

namespace print {

// The print dialog: "Stampa" fills the page and hands it to the print routine.
class TfrmStampaProdotto : public ProductDialog {
    Q_OBJECT
public:
    explicit TfrmStampaProdotto(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    ui::Picture* imgLogo01 = nullptr;

protected:
    void deliver(report::Report& report) override;
};

} // namespace print
