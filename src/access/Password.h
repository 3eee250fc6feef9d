#pragma once

#include "ui/ScreenWindows.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class Picture;
class Rect;
} // namespace ui

namespace login {

// The login: the program's main window; only the right password leads past it.
class TfrmPassword : public ui::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmPassword(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    // Shows the screen and brings it to the front.
    void showScreen();

    QWidget* panContainer = nullptr;
    ui::Rect* shpSfondo = nullptr;
    ui::Picture* imgLogo = nullptr;
    ui::Rect* shpTitolo = nullptr;
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

} // namespace login
