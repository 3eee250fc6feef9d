#include "print/ProductDialog.h"

#include "app/Dialogs.h"
#include "app/Screens.h"
#include "app/Text.h"
#include "app/Widgets.h"
#include "editor/ListinoPrezzi.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "print/PageTemplate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace print {

namespace {

QPushButton* MakeButton(const QString& name, const QString& text, const QString& description, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(9);
    button->setFont(font);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->setAccessibleName(text);
    button->setAccessibleDescription(description);
    return button;
}

} // namespace

ProductDialog::ProductDialog(app::Screens& screens, const QString& objectName, const QString& caption,
                             const QString& actionText, const QString& actionDescription, QWidget* owner)
    : app::FixedDialogScreen(screens, objectName, caption, QSize(364, 287), QColor(0x42, 0x7A, 0xA8), Qt::white,
                             Centre::Owner, owner)
{
    try {
        m_report = PageTemplate::Load().CreateReport();
    } catch (const TemplateError&) {
        // Without its template the dialog still opens; the action then reports the fault.
    }

    shpSfondo = new app::Rect(QStringLiteral("shpSfondo"), Qt::white, this);
    app::Place(shpSfondo, 18, 18, 326, 215);

    btnAnnulla = MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                            QStringLiteral("Chiude la finestra senza stampare"), this);
    app::Place(btnAnnulla, 18, 243, 145, 28);
    btnStampa = MakeButton(QStringLiteral("btnStampa"), actionText, actionDescription, this);
    app::Place(btnStampa, 200, 243, 145, 28);
    setTabOrder(btnAnnulla, btnStampa);
    btnAnnulla->setFocus();

    connect(btnAnnulla, &QPushButton::clicked, this, &ProductDialog::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ProductDialog::btnStampaClick);
}

editor::TfrmListinoPrezzi* ProductDialog::pageEditor() const
{
    // The editor that opened the dialog; the registry's one for a dialog without owner.
    if (auto* owner = qobject_cast<editor::TfrmListinoPrezzi*>(parentWidget()))
        return owner;
    return screens().frmListinoPrezzi;
}

void ProductDialog::FillPageTemplate()
{
    const editor::TfrmListinoPrezzi* source = pageEditor();
    if (!source)
        return;
    const editor::TfrmListinoPrezzi& page = *source;
    PageContent content;
    content.title = app::TrimBlanks(page.lblNome->text());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotContent& values = content.slots[slot];
        values.picture = page.imgFoto(slot)->picture();
        values.nome = app::TrimBlanks(page.txtNome(slot)->text());
        values.um = app::TrimBlanks(page.txtUM(slot)->text());
        values.caratteristiche = app::TrimBlanks(page.txtCaratteristiche(slot)->text());
        values.codice = app::TrimBlanks(page.txtCodice(slot)->text());
        values.prezzo = app::TrimBlanks(page.txtPrezzo(slot)->text());
    }
    content.pageNumber = app::TrimBlanks(page.lblPosizione->text());
    print::FillPageTemplate(m_report, content);
}

void ProductDialog::btnAnnullaClick()
{
    close();
}

void ProductDialog::btnStampaClick()
{
    if (m_report.page().textBoxes.empty()) {
        app::ShowMessageBox(QStringLiteral("Attenzione: il modello di stampa della pagina non \u00E8 disponibile."),
                            app::MessageKind::Error, this);
    } else {
        FillPageTemplate();
        m_report.prepare();
        deliver(m_report);
    }
    close();
}

} // namespace print
