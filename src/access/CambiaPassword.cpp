#include "access/CambiaPassword.h"

#include "access/Crypt.h"
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
// How a character the password cannot hold is named to the user: itself between
// guillemets, or its code where it would not show (a mark, a blank, a control).
QString ShownCharacter(const QString& character)
{
    const QList<uint> codes = character.toUcs4();
    const char32_t code = codes.isEmpty() ? 0 : codes.first();
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    default:
        return QStringLiteral("«") + character + QStringLiteral("»");
    }
}

// Why the new password cannot be stored: the characters beyond U+00FF it holds, named,
// or else its length.
QString NotStorableText(const QString& password)
{
    const QStringList refused = UnstorableCharacters(password);
    if (refused.isEmpty())
        return QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri.");
    QStringList shown;
    for (const QString& character : refused)
        shown.append(ShownCharacter(character));
    if (shown.size() == 1)
        return QStringLiteral("Attenzione: la nuova password non può contenere il carattere ") + shown.first()
            + QStringLiteral(". Inserire una password senza questo carattere.");
    const QString last = shown.takeLast();
    return QStringLiteral("Attenzione: la nuova password non può contenere i caratteri ")
        + shown.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last
        + QStringLiteral(". Inserire una password senza questi caratteri.");
}

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(ui::ScreenRegistry& screens, QWidget* owner)
    : ui::FixedDialogScreen(screens, QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"), QSize(411, 418),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    ui::Place(panContainer, 13, 13, 385, 391); // centred in 411 x 418

    shpSfondo = new ui::Rect(QStringLiteral("shpSfondo"), kSteelBlue, Qt::white, panContainer);
    shpSfondo->setBorder(kFrame);
    ui::Place(shpSfondo, 0, 0, 385, 343);

    imgLogo = new ui::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/access/logo_cambia.svg"), panContainer);
    imgLogo->setAccessibleName(QStringLiteral("Cambia password"));
    imgLogo->setAccessibleDescription(
        QStringLiteral("Compila i campi sottostanti e premi OK per cambiare la password."));
    ui::Place(imgLogo, 16, 16, 353, 148);

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

    effPasswordOld = ui::CreateHalo(txtPasswordOld, QStringLiteral("effPasswordOld"));
    effPasswordNew = ui::CreateHalo(txtPasswordNew, QStringLiteral("effPasswordNew"));
    effConferma = ui::CreateHalo(txtConferma, QStringLiteral("effConferma"));
    ui::InstallHaloHighlight(txtPasswordOld, effPasswordOld);
    ui::InstallHaloHighlight(txtPasswordNew, effPasswordNew);
    ui::InstallHaloHighlight(txtConferma, effConferma);

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
    screens().show(ui::ScreenId::Login);
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
    return ui::FixedDialogScreen::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOk()
{
    cmdOK->setEnabled(!base::TrimBlanks(txtPasswordOld->text()).isEmpty()
                      && !base::TrimBlanks(txtPasswordNew->text()).isEmpty()
                      && !base::TrimBlanks(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    updateOk();
    if (!cmdOK->isEnabled())
        return;
    bool changed = false;
    const ui::FailureReport changeError{
        QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                       "password. Si consiglia di reinstallare il software."),
        ui::MessageKind::Error, true};
    ui::RunGuarded(this, changeError, [&] {
        // The scratch label never keeps a password, however the change ends.
        const auto forget = qScopeGuard([this] { lblMemory->clear(); });
        lblMemory->setText(ReadStoredPassword());
        const bool oldMatches = PasswordMatches(txtPasswordOld->text(), lblMemory->text());
        lblMemory->clear();
        if (!oldMatches) {
            ui::ShowPlainMessage(QStringLiteral("Attenzione: vecchia password errata."), this);
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            return;
        }

        const QString newPassword = base::TrimBlanks(txtPasswordNew->text());
        if (newPassword != base::TrimBlanks(txtConferma->text())) {
            ui::ShowPlainMessage(
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
            ui::ShowPlainMessage(NotStorableText(NormalizedPassword(newPassword)), this);
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }

        lblMemory->setText(NormalizedPassword(newPassword));
        WriteStoredPassword(lblMemory->text());
        changed = true;
    });
    if (!changed)
        return;

    ui::ShowPlainMessage(QStringLiteral("Modifica della password completata con successo."), this);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}

} // namespace login
