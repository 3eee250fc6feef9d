#pragma once

#include "print/ProductDialog.h"

namespace ui {
class Picture;
class Rect;
} // namespace ui

namespace print {

// The preview dialog: "Mostra anteprima" fills the page and opens the preview window.
class TfrmAnteprimaProdotto : public ProductDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaProdotto(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    ui::Picture* icoInf01 = nullptr;
    ui::Picture* imgLogo01 = nullptr;
    QWidget* shpSepara = nullptr;
    ui::Picture* imgSezione04 = nullptr;
    ui::Picture* icoInf02 = nullptr;

protected:
    void deliver(report::Report& report) override;
};

} // namespace print
