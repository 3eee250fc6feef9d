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

PictureArt::PictureArt(const QString& resource)
    : m_resource(resource)
{ }

PictureArt::~PictureArt() = default;

void PictureArt::setResource(const QString& resource)
{
    m_resource = resource;
    m_svg.reset();
    m_pixmap = QPixmap();
    m_loaded = false;
    m_rendered = QPixmap();
}

void PictureArt::paint(QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = (QSizeF(widget.size()) * ratio).toSize();
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
        const QRectF area(QPointF(0, 0), QSizeF(widget.size()));
        if (m_svg && m_svg->isValid())
            m_svg->render(&painter, area);
        else if (!m_pixmap.isNull())
            painter.drawPixmap(area, m_pixmap, QRectF(m_pixmap.rect()));
    }
    QPainter painter(&widget);
    painter.drawPixmap(0, 0, m_rendered);
}

Picture::Picture(const QString& name, const QString& resource, QWidget* parent)
    : QWidget(parent)
    , m_art(resource)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Picture::setResource(const QString& resource)
{
    m_art.setResource(resource);
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    m_art.paint(*this);
}

DrawnButton::DrawnButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

// Every mouse event over the button stays with it, whichever button: none reaches the
// screen beneath, which would take a move for the pointer leaving the button.
void DrawnButton::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    event->accept();
}

void DrawnButton::mouseReleaseEvent(QMouseEvent* event)
{
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

void DrawnButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click: the first one has already run the command.
    event->accept();
}

void DrawnButton::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT hovered();
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

void DrawnButton::enterEvent(QEnterEvent* event)
{
    Q_EMIT hovered();
    QAbstractButton::enterEvent(event);
}

PictureButton::PictureButton(const QString& name, const QString& resource, const QString& accessibleName,
                             QWidget* parent)
    : DrawnButton(parent)
    , m_art(resource)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(accessibleName);
}

void PictureButton::setResource(const QString& resource)
{
    m_art.setResource(resource);
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    m_art.paint(*this);
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
