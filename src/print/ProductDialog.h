#pragma once

#include "print/PageContent.h"
#include "print/PageTemplate.h"
#include "report/Report.h"
#include "ui/ScreenWindows.h"

class QPushButton;

namespace ui {
class Rect;
}

namespace print {

// What the preview and print dialogs share: the white panel, "Annulla" and the action
// button, and the page that the action button lays out on the page template.
class ProductDialog : public ui::FixedDialogScreen {
    Q_OBJECT
public:
    ProductDialog(ui::ScreenRegistry& screens, const QString& objectName, const QString& caption,
                  const QString& actionText, const QString& actionDescription, QWidget* owner);

    ui::Rect* shpSfondo = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnStampa = nullptr;

    // The page the action prints; a blank page until set.
    void setPage(const PageContent& page) { m_page = page; }
    const PageContent& page() const { return m_page; }

    // Where the page template is read from; the one compiled in until set.
    void setTemplatePath(const QString& path) { m_templatePath = path; }
    static QString TemplateErrorText();

    void btnAnnullaClick();
    void btnStampaClick();

protected:
    // Hands the prepared report to the engine: preview window or print routine.
    virtual void deliver(report::Report& report) = 0;

private:
    PageContent m_page;
    QString m_templatePath = PageTemplate::kResource;
};

} // namespace print
