#include "editor/ListinoPrezzi.h"

#include "app/Avvio.h"
#include "app/Screens.h"
#include "app/Startup.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "help/HelpTopics.h"
#include "print/PrintCommands.h"

#include <QLabel>
#include <QLineEdit>

namespace editor {

TfrmListinoPrezzi::TfrmListinoPrezzi(app::Screens& screens)
    : app::MaximisedScreen(screens, QStringLiteral("frmListinoPrezzi"),
                           QStringLiteral(" Vetrinalia - Pagine Volantino"), QColor(0x42, 0x7A, 0xA8),
                           Qt::white)
{
    app::ApplyNumberSettings();
    QWidget* panel = content();
    for (int s = 0; s < 8; ++s) {
        const QString letter = QString(QChar(char16_t(u'A' + s)));
        m_txtNome[s] = new QLineEdit(panel);
        m_txtNome[s]->setObjectName(QStringLiteral("txtNome_") + letter);
        m_txtUM[s] = new QLineEdit(panel);
        m_txtUM[s]->setObjectName(QStringLiteral("txtUM_") + letter);
        m_txtCaratteristiche[s] = new QLineEdit(panel);
        m_txtCaratteristiche[s]->setObjectName(QStringLiteral("txtCaratteristiche_") + letter);
        m_txtCodice[s] = new QLineEdit(panel);
        m_txtCodice[s]->setObjectName(QStringLiteral("txtCodice_") + letter);
        m_txtPrezzo[s] = new PriceEdit(QStringLiteral("txtPrezzo_") + letter, panel);
        m_imgFoto[s] = new PhotoBox(QStringLiteral("imgFoto_") + letter, panel);
    }
    lblFile = new QLabel(panel);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblNome = new QLabel(QStringLiteral("Titolo volantino offerte"), panel);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblPosizione = new QLabel(panel);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    imgBianco = new PhotoBox(QStringLiteral("imgBianco"), panel);
    imgBianco->hide();
}

QImage TfrmListinoPrezzi::BlankPicture() const
{
    return imgBianco->picture();
}

void TfrmListinoPrezzi::ClearPage() {}
void TfrmListinoPrezzi::ShowPageRecord(const storage::PageRecord&) {}
storage::PageRecord TfrmListinoPrezzi::FillPageRecord() const
{
    return {};
}
void TfrmListinoPrezzi::SaveAllSlotPhotos() {}
void TfrmListinoPrezzi::LoadAllSlotPhotos() {}
void TfrmListinoPrezzi::cmdPrimoClick() {}
void TfrmListinoPrezzi::cmdIndietroClick() {}
void TfrmListinoPrezzi::cmdAvantiClick() {}
void TfrmListinoPrezzi::cmdUltimoClick() {}
void TfrmListinoPrezzi::cmdNuovoClick() {}
void TfrmListinoPrezzi::cmdSalvaClick() {}

void TfrmListinoPrezzi::cmdAnteprimaClick()
{
    print::RunPreviewCommand(*this);
}

void TfrmListinoPrezzi::cmdStampaClick()
{
    print::RunPrintCommand(*this);
}

void TfrmListinoPrezzi::cmdGuidaClick()
{
    help::ShowHelpTopic(screens(), this, help::HelpTopic::Editor);
}

void TfrmListinoPrezzi::cmdEsciClick()
{
    close();
}

void TfrmListinoPrezzi::onShow()
{
    ClearPage();
}

void TfrmListinoPrezzi::onClose()
{
    screens().frmAvvio->showScreen();
    hide();
}

} // namespace editor
