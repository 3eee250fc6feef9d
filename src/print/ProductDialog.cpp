#include "print/ProductDialog.h"

#include "ui/ErrorReport.h"
#include "ui/Widgets.h"

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

ProductDialog::ProductDialog(ui::ScreenRegistry& screens, const QString& objectName, const QString& caption,
                             const QString& actionText, const QString& actionDescription, QWidget* owner)
    : ui::FixedDialogScreen(screens, objectName, caption, QSize(364, 287), QColor(0x42, 0x7A, 0xA8), Qt::white,
                            Centre::Owner, owner)
{
    shpSfondo = new ui::Rect(QStringLiteral("shpSfondo"), Qt::white, this);
    ui::Place(shpSfondo, 18, 18, 326, 215);

    btnAnnulla = MakeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                            QStringLiteral("Chiude la finestra senza stampare"), this);
    ui::Place(btnAnnulla, 18, 243, 145, 28);
    btnStampa = MakeButton(QStringLiteral("btnStampa"), actionText, actionDescription, this);
    ui::Place(btnStampa, 200, 243, 145, 28);
    setTabOrder(btnAnnulla, btnStampa);
    btnAnnulla->setFocus();

    connect(btnAnnulla, &QPushButton::clicked, this, &ProductDialog::btnAnnullaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ProductDialog::btnStampaClick);
}

QString ProductDialog::TemplateErrorText()
{
    return QStringLiteral("Attenzione: il modello di stampa della pagina non \u00E8 disponibile.");
}

void ProductDialog::btnAnnullaClick()
{
    close();
}

void ProductDialog::btnStampaClick()
{
    // The template is read for each use: a damaged one is reported, and the dialog closes.
    ui::RunGuarded<TemplateError>(this, {TemplateErrorText(), ui::MessageKind::Error}, [this] {
        report::Report report = PreparePage(PageTemplate::Load(m_templatePath), m_page);
        deliver(report);
    });
    close();
}

} // namespace print
