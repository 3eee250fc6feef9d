#pragma once

#include "app/ScreenWindows.h"
#include "report/Report.h"

class QPushButton;

namespace app {
class Rect;
}
namespace editor {
class TfrmListinoPrezzi;
}

namespace print {

// What the preview and print dialogs share: the white panel, "Annulla" and the action
// button, and the page template that the action button fills from the editor.
class ProductDialog : public app::FixedDialogScreen {
    Q_OBJECT
public:
    ProductDialog(app::Screens& screens, const QString& objectName, const QString& caption,
                  const QString& actionText, const QString& actionDescription, QWidget* owner);

    app::Rect* shpSfondo = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnStampa = nullptr;

    // The page template of this dialog.
    report::Report& repDocumento() { return m_report; }

    // Copies the editor's page as it stands on screen into the template.
    void FillPageTemplate();

    void btnAnnullaClick();
    void btnStampaClick();

protected:
    // Hands the prepared report to the engine: preview window or print routine.
    virtual void deliver(report::Report& report) = 0;

private:
    editor::TfrmListinoPrezzi* pageEditor() const;

    report::Report m_report;
};

} // namespace print
