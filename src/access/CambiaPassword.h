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

// Replaces the access password for whoever knows the current one; reached from the login
// and always returning to it.
class TfrmCambiaPassword : public ui::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    // Shows the screen and brings it to the front.
    void showScreen();

    QWidget* panContainer = nullptr;
    ui::Rect* shpSfondo = nullptr;
    ui::Picture* imgLogo = nullptr;
    QLabel* lblRigo05 = nullptr;
    QLineEdit* txtPasswordOld = nullptr;
    QWidget* effPasswordOld = nullptr;
    QLabel* lblRigo06 = nullptr;
    QLineEdit* txtPasswordNew = nullptr;
    QWidget* effPasswordNew = nullptr;
    QLabel* lblRigo07 = nullptr;
    QLineEdit* txtConferma = nullptr;
    QWidget* effConferma = nullptr;
    QPushButton* cmdEsci = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* lblMemory = nullptr;

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOKClick();
    void cmdEsciClick();
    void updateOk();
    QLineEdit* nextInRing(QObject* field) const;
};

} // namespace login
