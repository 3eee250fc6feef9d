#include "editor/PhotoBox.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace editor {

PhotoBox::PhotoBox(const QString& name, QWidget* parent)
    : ui::DrawnButton(parent)
{
    setObjectName(name);
    setFixedSize(kBoxSize);
}

void PhotoBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_shown = QPixmap();
    update();
}

QSize PhotoBox::ShownSize(const QSize& picture, const QSize& box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    const double factor = std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    const int width = std::clamp(int(std::lround(picture.width() * factor)), 1, box.width());
    const int height = std::clamp(int(std::lround(picture.height() * factor)), 1, box.height());
    return {width, height};
}

QRect PhotoBox::shownRect() const
{
    const QSize shown = ShownSize(m_picture.size(), size());
    return QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
}

void PhotoBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    const QRect target = shownRect();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (m_shown.isNull() || m_shown.size() != pixels) {
        // Scaled once per picture: a camera photo is reduced here, not on every paint.
        const QImage scaled = m_picture.size() == pixels
            ? m_picture
            : m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shown = QPixmap::fromImage(scaled);
        m_shown.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_shown);
}

} // namespace editor
