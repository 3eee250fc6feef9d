#include "access/CambiaPassword.h"

#include "access/Crypt.h"
#include "access/Password.h"
#include "access/PasswordStore.h"
#include "access/ScreenParts.h"
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
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"), QSize(411, 418),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    app::Place(panContainer, 13, 13, 385, 391);

    shpSfondo = new app::Rect(QStringLiteral("shpSfondo"), kSteelBlue, Qt::white, panContainer);
    shpSfondo->setBorder(kFrame);
    app::Place(shpSfondo, 0, 0, 385, 343);

    imgLogo = new app::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/access/logo_cambia.svg"), panContainer);
    imgLogo->setAccessibleName(QStringLiteral("Cambia password"));
    imgLogo->setAccessibleDescription(
        QStringLiteral("Compila i campi sottostanti e premi OK per cambiare la password."));
    app::Place(imgLogo, 16, 16, 353, 148);

    lblRigo05 = MakeLabel(QStringLiteral("lblRigo05"), QStringLiteral("Vecchia password:"),
                          QStringLiteral("Etichetta della vecchia password"), panContainer, 16, 172, 353, 16);
    txtPasswordOld = MakePasswordField(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password"),
                                       panContainer, 16, 193, 353, 22);
    lblRigo06 = MakeLabel(QStringLiteral("lblRigo06"), QStringLiteral("Nuova password:"),
                          QStringLiteral("Etichetta della nuova password"), panContainer, 16, 228, 353, 16);
    txtPasswordNew = MakePasswordField(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password"),
                                       panContainer, 16, 249, 353, 22);
    lblRigo07 = MakeLabel(QStringLiteral("lblRigo07"), QStringLiteral("Conferma nuova password:"),
                          QStringLiteral("Etichetta della conferma della nuova password"), panContainer, 16, 284,
                          353, 16);
    txtConferma = MakePasswordField(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password"),
                                    panContainer, 16, 305, 353, 22);

    effPasswordOld = app::CreateHalo(txtPasswordOld, QStringLiteral("effPasswordOld"));
    effPasswordNew = app::CreateHalo(txtPasswordNew, QStringLiteral("effPasswordNew"));
    effConferma = app::CreateHalo(txtConferma, QStringLiteral("effConferma"));
    app::InstallHaloHighlight(txtPasswordOld, effPasswordOld);
    app::InstallHaloHighlight(txtPasswordNew, effPasswordNew);
    app::InstallHaloHighlight(txtConferma, effConferma);

    cmdEsci = MakeButton(QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), QStringLiteral("Chiudi"),
                         panContainer, 16, 359, 146, 32);
    cmdOK = MakeButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QStringLiteral("OK"), panContainer,
                       223, 359, 146, 32);
    cmdOK->setEnabled(false);

    lblMemory = MakeMemoryLabel(panContainer);

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    for (QLineEdit* field : {txtPasswordOld, txtPasswordNew, txtConferma}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
    }
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::showScreen()
{
    show();
    raise();
    activateWindow();
}

void TfrmCambiaPassword::onShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::onClose()
{
    TfrmPassword* login = screens().frmPassword;
    login->txtPassword->clear();
    login->lblMemory->clear();
    login->showScreen();
    login->txtPassword->setFocus();
}

QLineEdit* TfrmCambiaPassword::nextInRing(QObject* field) const
{
    if (field == txtPasswordOld)
        return txtPasswordNew;
    if (field == txtPasswordNew)
        return txtConferma;
    if (field == txtConferma)
        return txtPasswordOld;
    return nullptr;
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (QLineEdit* next = nextInRing(watched)) {
        if (IsEnterKey(event)) {
            next->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            updateOk();
    }
    return app::FixedDialogScreen::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOk()
{
    cmdOK->setEnabled(!app::TrimBlanks(txtPasswordOld->text()).isEmpty()
                      && !app::TrimBlanks(txtPasswordNew->text()).isEmpty()
                      && !app::TrimBlanks(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    updateOk();
    if (!cmdOK->isEnabled())
        return;
    try {
        lblMemory->setText(ReadStoredPassword());
        const bool oldMatches = PasswordMatches(txtPasswordOld->text(), lblMemory->text());
        lblMemory->clear();
        if (!oldMatches) {
            app::ShowPlainMessage(QStringLiteral("Attenzione: vecchia password errata."), this);
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            return;
        }

        const QString newPassword = app::TrimBlanks(txtPasswordNew->text());
        if (newPassword != app::TrimBlanks(txtConferma->text())) {
            app::ShowPlainMessage(
                QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                               "E' necessario reinserire entrambi i valori."),
                this);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }

        // The scrambling keeps 255 characters of 8 bits: anything more could never match again.
        if (!IsStorablePassword(NormalizedPassword(newPassword))) {
            app::ShowPlainMessage(
                QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri e solo "
                               "lettere, cifre e simboli dell'alfabeto latino."),
                this);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }

        lblMemory->setText(NormalizedPassword(newPassword));
        WriteStoredPassword(lblMemory->text());
        lblMemory->clear();
    } catch (const std::exception&) {
        lblMemory->clear();
        app::ShowPlainMessage(
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                           "password. Si consiglia di reinstallare il software."),
            this);
        return;
    }

    app::ShowPlainMessage(QStringLiteral("Modifica della password completata con successo."), this);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}

} // namespace accesso
