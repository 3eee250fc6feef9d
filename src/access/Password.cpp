#include "access/Password.h"

#include "access/CambiaPassword.h"
#include "access/PasswordStore.h"
#include "access/ScreenParts.h"
#include "app/Avvio.h"
#include "app/Dialogs.h"
#include "app/FieldStyle.h"
#include "app/Screens.h"
#include "app/Text.h"
#include "app/Widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace accesso {

namespace {
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kFrame(0x2B, 0x5C, 0x8A);
const QColor kBandBlue(0x7D, 0xA9, 0xCD);
} // namespace

TfrmPassword::TfrmPassword(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmPassword"), QStringLiteral(" Vetrinalia - Accesso"), QSize(388, 405),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    app::Place(panContainer, 14, 36, 360, 333);

    shpSfondo = new app::Rect(QStringLiteral("shpSfondo"), kSteelBlue, Qt::white, panContainer);
    shpSfondo->setBorder(kFrame);
    app::Place(shpSfondo, 0, 0, 360, 285);

    imgLogo = new app::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/access/logo_accesso.svg"), panContainer);
    imgLogo->setAccessibleName(QStringLiteral("Password"));
    imgLogo->setAccessibleDescription(
        QStringLiteral("Proteggi l'accesso al programma con una password a tua scelta. "
                       "Per il primo accesso usa la password: chiaveiniziale"));
    app::Place(imgLogo, 16, 16, 328, 160);

    shpTitolo = new app::Rect(QStringLiteral("shpTitolo"), kBandBlue, Qt::white, panContainer);
    app::Place(shpTitolo, 16, 188, 328, 81);

    lblRigo05 = MakeLabel(QStringLiteral("lblRigo05"), QStringLiteral("Immetti la password e premi OK."),
                          QStringLiteral("Istruzioni per l'accesso"), panContainer, 36, 198, 290, 18);

    txtPassword = MakePasswordField(QStringLiteral("txtPassword"), QStringLiteral("Password di accesso"),
                                    panContainer, 36, 222, 230, 22);
    effPassword = app::CreateHalo(txtPassword, QStringLiteral("effPassword"));
    app::InstallHaloHighlight(txtPassword, effPassword);

    cmdOK = MakeButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QStringLiteral("OK"), panContainer,
                       278, 217, 49, 33);
    cmdOK->setEnabled(false);

    cmdEsci = MakeButton(QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QStringLiteral("Esci"),
                         panContainer, 16, 301, 146, 32);
    btnCambiaPassword = MakeButton(QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"),
                                   QStringLiteral("Cambia password"), panContainer, 198, 301, 146, 32);

    lblMemory = MakeMemoryLabel(panContainer);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::showScreen()
{
    show();
    raise();
    activateWindow();
}

void TfrmPassword::onShow()
{
    txtPassword->setFocus();
}

void TfrmPassword::onClose()
{
    // The login is the main window: closing it, in whatever way, ends the program.
    app::EndProgram();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword) {
        if (IsEnterKey(event)) {
            if (!app::TrimBlanks(txtPassword->text()).isEmpty())
                cmdOKClick();
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            updateOk();
    }
    return app::FixedDialogScreen::eventFilter(watched, event);
}

void TfrmPassword::updateOk()
{
    cmdOK->setEnabled(!app::TrimBlanks(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick()
{
    if (app::TrimBlanks(txtPassword->text()).isEmpty())
        return;
    bool matches = false;
    try {
        lblMemory->setText(ReadStoredPassword());
        matches = PasswordMatches(txtPassword->text(), lblMemory->text());
        lblMemory->clear();
    } catch (const std::exception&) {
        lblMemory->clear();
        app::ShowPlainMessage(
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                           "password. Si consiglia di reinstallare il software."),
            this);
        return;
    }

    if (matches) {
        screens().frmAvvio->showScreen();
        hide();
        return;
    }
    app::ShowPlainMessage(QStringLiteral("Attenzione: password errata."), this);
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    screens().frmCambiaPassword->showScreen();
    hide();
}

} // namespace accesso
