#include "ui/Widgets.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {

void PaintVerticalGradient(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.fillRect(rect, gradient);
}

Picture::Picture(const QString& name, const QString& resource, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setResource(resource);
}

Picture::~Picture() = default;

void Picture::setResource(const QString& resource)
{
    m_resource = resource;
    m_svg.reset();
    m_pixmap = QPixmap();
    m_loaded = false;
    m_rendered = QPixmap();
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    // Pictures are read and drawn once, on first paint: a screen that is never shown never
    // parses them, and a repaint only copies the drawing.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
        if (!m_loaded) {
            m_loaded = true;
            if (m_resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
                m_svg = std::make_unique<QSvgRenderer>(m_resource);
            else if (!m_resource.isEmpty())
                m_pixmap.load(m_resource);
        }
        m_rendered = QPixmap(pixels);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::transparent);
        QPainter painter(&m_rendered);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF area(QPointF(0, 0), QSizeF(size()));
        if (m_svg && m_svg->isValid())
            m_svg->render(&painter, area);
        else if (!m_pixmap.isNull())
            painter.drawPixmap(area, m_pixmap, QRectF(m_pixmap.rect()));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_rendered);
}

PictureButton::PictureButton(const QString& name, const QString& resource, const QString& accessibleName,
                             QWidget* parent)
    : Picture(name, resource, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAccessibleName(accessibleName);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_down = true;
    Q_EMIT pressed();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_down)
        return;
    m_down = false;
    Q_EMIT released();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PictureButton::enterEvent(QEnterEvent*)
{
    Q_EMIT hovered();
}

void PictureButton::mouseMoveEvent(QMouseEvent*)
{
    Q_EMIT hovered();
}

Rect::Rect(const QString& name, const QColor& fill, QWidget* parent)
    : Rect(name, fill, fill, parent)
{ }

Rect::Rect(const QString& name, const QColor& top, const QColor& bottom, QWidget* parent)
    : QWidget(parent)
    , m_top(top)
    , m_bottom(bottom)
{
    setObjectName(name);
}

void Rect::setBorder(const QColor& color, int width)
{
    m_border = color;
    m_borderWidth = width;
    update();
}

void Rect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_top == m_bottom)
        painter.fillRect(rect(), m_top);
    else
        PaintVerticalGradient(painter, rect(), m_top, m_bottom);
    if (m_borderWidth > 0) {
        QPen pen(m_border, m_borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal half = m_borderWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
}

void Place(QWidget* widget, int x, int y, int width, int height)
{
    widget->setGeometry(x, y, width, height);
}

} // namespace ui
