#include "report/PreviewWindow.h"

#include "report/Printing.h"
#include "report/Report.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

namespace {

QAction* AddButton(QToolBar* bar, const QString& name, const QString& icon, const QString& text, const QString& tip)
{
    QAction* action = bar->addAction(QIcon(icon), text);
    action->setObjectName(name);
    action->setToolTip(tip);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
        button->setObjectName(name + QStringLiteral("Button"));
        button->setAccessibleName(text);
        button->setAccessibleDescription(tip);
        button->setCursor(Qt::PointingHandCursor);
    }
    return action;
}

} // namespace

PreviewWindow::PreviewWindow(const Report& report, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint)
    , m_report(report)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmAnteprimaReport"));
    setWindowTitle(report.name());
    setModal(true);
    SetUpPrinter(*m_printer, report);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("tbrAnteprima"));
    m_toolBar->setAccessibleName(QStringLiteral("Comandi dell'anteprima"));
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    QAction* print = AddButton(m_toolBar, QStringLiteral("cmdStampa"), QStringLiteral(":/print/preview-print.svg"),
                               QStringLiteral("Stampa"), QStringLiteral("Stampa il documento"));
    QAction* zoom = AddButton(m_toolBar, QStringLiteral("cmdZoom"), QStringLiteral(":/print/preview-zoom.svg"),
                              QStringLiteral("Zoom"), QStringLiteral("Passa dalla pagina intera al 100 % e viceversa"));
    QAction* full =
        AddButton(m_toolBar, QStringLiteral("cmdSchermoIntero"), QStringLiteral(":/print/preview-fullscreen.svg"),
                  QStringLiteral("Schermo intero"), QStringLiteral("Mostra l'anteprima a schermo intero"));
    QAction* close = AddButton(m_toolBar, QStringLiteral("cmdChiudi"), QStringLiteral(":/print/preview-close.svg"),
                               QStringLiteral("Chiudi"), QStringLiteral("Chiudi l'anteprima"));
    layout->addWidget(m_toolBar);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("pvwPagina"));
    m_preview->setAccessibleName(QStringLiteral("Anteprima della pagina"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
    layout->addWidget(m_preview, 1);

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        const Page* page = m_report.preparedPage();
        if (!page)
            return;
        QPainter painter(printer);
        RenderPage(painter, *page);
    });
    connect(print, &QAction::triggered, this, &PreviewWindow::printClick);
    connect(zoom, &QAction::triggered, this, &PreviewWindow::zoomClick);
    connect(full, &QAction::triggered, this, &PreviewWindow::fullScreenClick);
    connect(close, &QAction::triggered, this, &QDialog::accept);

    resize(1016, 713);
    setWindowState(windowState() | Qt::WindowMaximized);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::printClick()
{
    PrintReport(this, m_report);
}

void PreviewWindow::zoomClick()
{
    m_wholePage = !m_wholePage;
    if (m_wholePage) {
        m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
    } else {
        m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_preview->setZoomFactor(1.0);
    }
}

void PreviewWindow::fullScreenClick()
{
    if (isFullScreen())
        setWindowState((windowState() & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
    else
        setWindowState(windowState() | Qt::WindowFullScreen);
}

void ShowPreviewWindow(QWidget* parent, const Report& report)
{
    PreviewWindow window(report, parent);
    window.exec();
}

} // namespace report
