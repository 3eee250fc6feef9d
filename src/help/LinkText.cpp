#include "help/LinkText.h"

#include <QPushButton>

#include "ui/Widgets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace help {

LinkText::LinkText(const QString& name, const QString& text, const QString& accessibleName, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    QFont font(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    // Reachable with Tab, but a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(accessibleName);
    setColour(NormalColour());
}

void LinkText::placeCentredLeft(int x, int centreY)
{
    m_anchor = QPoint(x, centreY);
    if (m_fitted)
        move(x, centreY - height() / 2);
}

void LinkText::fitText()
{
    m_fitted = true;
    adjustSize();
    move(m_anchor.x(), m_anchor.y() - height() / 2);
}

bool LinkText::event(QEvent* event)
{
    if (event->type() == QEvent::Show && !m_fitted)
        fitText();
    return QLabel::event(event);
}

void LinkText::attachIcon(ui::PictureButton* icon)
{
    // The icon's own pressed and released signals are for the left button only: the
    // colour follows every button, so it is taken from the icon's mouse events.
    icon->installEventFilter(this);
    connect(icon, &ui::PictureButton::clicked, this, &LinkText::activate);
}

bool LinkText::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            press();
        else if (event->type() == QEvent::MouseButtonRelease
                 && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            release();
    }
    return QLabel::eventFilter(watched, event);
}

QColor LinkText::colour() const
{
    return palette().color(QPalette::WindowText);
}

void LinkText::setColour(const QColor& colour)
{
    QPalette look = palette();
    look.setColor(QPalette::WindowText, colour);
    setPalette(look);
}

void LinkText::press()
{
    setColour(PressedColour());
}

void LinkText::release()
{
    setColour(NormalColour());
}

void LinkText::activate()
{
    setColour(NormalColour());
    Q_EMIT activated();
}

// Orange while any mouse button is held on the link; only a left click follows it.
void LinkText::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_down = true;
    press();
}

void LinkText::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click: the first click has followed the link already.
    press();
}

void LinkText::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && m_down;
    if (event->button() == Qt::LeftButton)
        m_down = false;
    if (event->buttons() == Qt::NoButton)
        release();
    if (click && rect().contains(event->position().toPoint()))
        activate();
}

void LinkText::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkText::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void LinkText::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
}

void LinkText::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QPen pen(colour(), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QPushButton* MakeCloseButton(QWidget* parent, int pointSize, const QRect& geometry)
{
    auto* button = new QPushButton(QStringLiteral("Chiudi"), parent);
    button->setObjectName(QStringLiteral("btnChiudi"));
    button->setFont(QFont(QStringLiteral("Verdana"), pointSize));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->setAccessibleName(QStringLiteral("Chiudi"));
    button->setGeometry(geometry);
    return button;
}

} // namespace help
