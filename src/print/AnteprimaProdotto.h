#pragma once

#include "print/ProductDialog.h"

namespace app {
class Picture;
class Rect;
} // namespace app

namespace print {

// The preview dialog: "Mostra anteprima" fills the page and opens the preview window.
class TfrmAnteprimaProdotto : public ProductDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaProdotto(app::Screens& screens, QWidget* owner = nullptr);

    app::Picture* icoInf01 = nullptr;
    app::Picture* imgLogo01 = nullptr;
    QWidget* shpSepara = nullptr;
    app::Picture* imgSezione04 = nullptr;
    app::Picture* icoInf02 = nullptr;

protected:
    void deliver(report::Report& report) override;
};

} // namespace print
