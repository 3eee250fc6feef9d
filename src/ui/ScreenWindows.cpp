#include "ui/ScreenWindows.h"

#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace ui {

MaximisedScreen::MaximisedScreen(ScreenRegistry& screens, const QString& objectName, const QString& caption,
                                 const QColor& gradientTop, const QColor& gradientBottom)
    : QWidget(nullptr, Qt::Window)
    , m_screens(screens)
    // The panel paints nothing of its own: the window's one gradient shows through it.
    , m_content(new QWidget(this))
    , m_top(gradientTop)
    , m_bottom(gradientBottom)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    m_content->setObjectName(QStringLiteral("panContent"));
    m_content->setFixedSize(kMaximisedContentSize);
    setMinimumSize(kMaximisedContentSize);
    resize(kMaximisedContentSize);
    setWindowState(Qt::WindowMaximized);
}

void MaximisedScreen::showScreen()
{
    showMaximized();
    raise();
    activateWindow();
}

void MaximisedScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void MaximisedScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    onClose();
}

void MaximisedScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize free = size() - m_content->size();
    m_content->move(qMax(0, free.width() / 2), qMax(0, free.height() / 2));
}

void MaximisedScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintVerticalGradient(painter, rect(), m_top, m_bottom);
}

FixedDialogScreen::FixedDialogScreen(ScreenRegistry& screens, const QString& objectName, const QString& caption,
                                     const QSize& clientSize, const QColor& gradientTop, const QColor& gradientBottom,
                                     Centre centre, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_screens(screens)
    , m_top(gradientTop)
    , m_bottom(gradientBottom)
    , m_centre(centre)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
}

void FixedDialogScreen::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        QRect area;
        if (m_centre == Centre::Owner && parentWidget())
            area = parentWidget()->window()->frameGeometry();
        else if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        if (area.isValid())
            move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void FixedDialogScreen::closeEvent(QCloseEvent* event)
{
    onClose();
    QDialog::closeEvent(event);
}

void FixedDialogScreen::keyPressEvent(QKeyEvent* event)
{
    // Escape does not leave the dialog (only its own buttons do), and Enter never
    // presses a default button: the fields decide what Enter does.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialogScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintVerticalGradient(painter, rect(), m_top, m_bottom);
}

} // namespace ui
