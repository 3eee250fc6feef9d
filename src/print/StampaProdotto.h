#pragma once

#include "print/ProductDialog.h"

namespace app {
class Picture;
}

namespace print {

// The print dialog: "Stampa" fills the page and hands it to the print routine.
class TfrmStampaProdotto : public ProductDialog {
    Q_OBJECT
public:
    explicit TfrmStampaProdotto(app::Screens& screens, QWidget* owner = nullptr);

    app::Picture* imgLogo01 = nullptr;

protected:
    void deliver(report::Report& report) override;
};

} // namespace print
