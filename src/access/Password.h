#pragma once

#include "app/ScreenWindows.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class Picture;
class Rect;
} // namespace app

namespace accesso {

// The login: the program's main window; only the right password leads past it.
class TfrmPassword : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmPassword(app::Screens& screens, QWidget* owner = nullptr);

    // Shows the screen and brings it to the front.
    void showScreen();

    QWidget* panContainer = nullptr;
    app::Rect* shpSfondo = nullptr;
    app::Picture* imgLogo = nullptr;
    app::Rect* shpTitolo = nullptr;
    QLabel* lblRigo05 = nullptr;
    QLineEdit* txtPassword = nullptr;
    QWidget* effPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdEsci = nullptr;
    QPushButton* btnCambiaPassword = nullptr;
    QLabel* lblMemory = nullptr;

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    void updateOk();
};

} // namespace accesso
