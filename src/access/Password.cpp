#include "access/Password.h"

#include "access/PasswordStore.h"
#include "access/ScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/FieldStyle.h"
#include "ui/ScreenRegistry.h"
#include "base/Text.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>


namespace login {

namespace {
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kFrame(0x2B, 0x5C, 0x8A);
const QColor kBandBlue(0x7D, 0xA9, 0xCD);
} // namespace

TfrmPassword::TfrmPassword(ui::ScreenRegistry& screens, QWidget* owner)
    : ui::FixedDialogScreen(screens, QStringLiteral("frmPassword"), QStringLiteral(" Vetrinalia - Accesso"), QSize(388, 405),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    ui::Place(panContainer, 14, 36, 360, 333);

    shpSfondo = new ui::Rect(QStringLiteral("shpSfondo"), kSteelBlue, Qt::white, panContainer);
    shpSfondo->setBorder(kFrame);
    ui::Place(shpSfondo, 0, 0, 360, 285);

    imgLogo = new ui::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/access/logo_accesso.svg"), panContainer);
    imgLogo->setAccessibleName(QStringLiteral("Password"));
    imgLogo->setAccessibleDescription(
        QStringLiteral("Proteggi l'accesso al programma con una password a tua scelta. "
                       "Per il primo accesso usa la password: chiaveiniziale"));
    ui::Place(imgLogo, 16, 16, 328, 160);

    shpTitolo = new ui::Rect(QStringLiteral("shpTitolo"), kBandBlue, Qt::white, panContainer);
    ui::Place(shpTitolo, 16, 188, 328, 81);

    lblRigo05 = MakeLabel(QStringLiteral("lblRigo05"), QStringLiteral("Immetti la password e premi OK."),
                          QStringLiteral("Istruzioni per l'accesso"), panContainer, 36, 198, 290, 18);

    txtPassword = MakePasswordField(QStringLiteral("txtPassword"), QStringLiteral("Password di accesso"),
                                    panContainer, 36, 222, 230, 22);
    effPassword = ui::CreateHalo(txtPassword, QStringLiteral("effPassword"));
    ui::InstallHaloHighlight(txtPassword, effPassword);

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
    // Shown at start-up and again when the change-password screen closes: an empty field.
    txtPassword->clear();
    lblMemory->clear();
    txtPassword->setFocus();
}

void TfrmPassword::onClose()
{
    // The login is the main window: closing it, in whatever way, ends the program.
    screens().endProgram();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword) {
        if (IsEnterKey(event)) {
            if (!base::TrimBlanks(txtPassword->text()).isEmpty())
                cmdOKClick();
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            updateOk();
    }
    return ui::FixedDialogScreen::eventFilter(watched, event);
}

void TfrmPassword::updateOk()
{
    cmdOK->setEnabled(!base::TrimBlanks(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick()
{
    if (base::TrimBlanks(txtPassword->text()).isEmpty())
        return;
    bool matches = false;
    const ui::FailureReport readError{
        QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                       "password. Si consiglia di reinstallare il software."),
        ui::MessageKind::Error, true};
    const bool read = ui::RunGuarded(this, readError, [&] {
        // The scratch label never keeps the stored value, however the check ends.
        const auto forget = qScopeGuard([this] { lblMemory->clear(); });
        lblMemory->setText(ReadStoredPassword());
        matches = PasswordMatches(txtPassword->text(), lblMemory->text());
    });
    if (!read)
        return;

    if (matches) {
        screens().show(ui::ScreenId::Start);
        hide();
        return;
    }
    ui::ShowPlainMessage(QStringLiteral("Attenzione: password errata."), this);
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    screens().show(ui::ScreenId::ChangePassword);
    hide();
}

} // namespace login
