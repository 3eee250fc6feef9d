#pragma once

#include <QDialog>

#include <memory>

class QPrinter;
class QPrintPreviewWidget;
class QToolBar;
class QAction;

namespace report {

class Report;

// The preview of a prepared report: the page as printed, not editable, with a toolbar of
// four buttons (print, zoom, full screen, close).
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const Report& report, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    QToolBar* toolBar() const { return m_toolBar; }
    QPrintPreviewWidget* preview() const { return m_preview; }

    // The toolbar's commands.
    void printClick();
    void zoomClick();
    void fullScreenClick();

private:
    const Report& m_report;
    std::unique_ptr<QPrinter> m_printer;
    QToolBar* m_toolBar = nullptr;
    QPrintPreviewWidget* m_preview = nullptr;
    bool m_wholePage = false;
};

// Shows a prepared report in a modal, maximised preview window at 100 % zoom.
void ShowPreviewWindow(QWidget* parent, const Report& report);

} // namespace report
