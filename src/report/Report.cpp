#include "report/Report.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace report {

namespace {

template <typename Box>
Box* findByName(std::vector<Box>& boxes, const QString& name)
{
    for (Box& box : boxes) {
        if (box.name == name)
            return &box;
    }
    return nullptr;
}

// A text box prints on one line: line breaks and other control characters inside the text
// become spaces.
QString OneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 32 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return line;
}

// Millimetres to device pixels for one page on one device.
class DeviceMapping {
public:
    DeviceMapping(const QPainter& painter, const Page& page)
        : m_scale(DevicePixelsPerMm(painter))
        , m_origin(page.printableArea().topLeft())
    { }

    QRectF rect(const QRectF& mm) const
    {
        return QRectF((m_origin.x() + mm.left()) * m_scale.width(), (m_origin.y() + mm.top()) * m_scale.height(),
                      mm.width() * m_scale.width(), mm.height() * m_scale.height());
    }
    qreal unitsX(qreal units) const { return units * kMmPerUnit * m_scale.width(); }
    qreal unitsY(qreal units) const { return units * kMmPerUnit * m_scale.height(); }

private:
    QSizeF m_scale;
    QPointF m_origin;
};

void PaintShape(QPainter& painter, const DeviceMapping& map, const Shape& shape)
{
    const QRectF area = map.rect(shape.rect);
    painter.fillRect(area, shape.fill);
    const qreal width = map.unitsX(1.0);
    QPen pen(shape.outline, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The outline lies inside the rectangle, so the shape covers exactly its own area.
    painter.drawRect(area.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

void PaintPicture(QPainter& painter, const DeviceMapping& map, const PictureBox& box)
{
    if (box.picture.isNull() || box.picture.width() <= 0 || box.picture.height() <= 0)
        return;
    const QRectF area = map.rect(box.rect);
    const QSizeF fitted = QSizeF(box.picture.size()).scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.left() + (area.width() - fitted.width()) / 2,
                        area.top() + (area.height() - fitted.height()) / 2, fitted.width(), fitted.height());
    painter.drawImage(target, box.picture);
}

// The text's room inside its box: two units in from each side, one from the top.
QRectF InnerRect(const DeviceMapping& map, const QRectF& area)
{
    return area.adjusted(map.unitsX(2.0), map.unitsY(1.0), -map.unitsX(2.0), 0);
}

QFont BoxFont(const TextBox& box)
{
    QFont font(box.fontFamily);
    font.setPointSizeF(box.pointSize);
    font.setBold(box.bold);
    // Unhinted outlines keep the text's width in proportion on every resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

void PaintText(QPainter& painter, const DeviceMapping& map, const TextBox& box)
{
    const QString text = OneLine(box.text);
    if (text.isEmpty())
        return;
    const QRectF area = map.rect(box.rect);
    const QRectF inner = InnerRect(map, area);

    const QFont font = BoxFont(box);
    const QFontMetricsF metrics(font, painter.device());
    const qreal advance = metrics.horizontalAdvance(text);

    qreal x = inner.left();
    if (box.alignment & Qt::AlignRight)
        x = inner.right() - advance;
    else if (box.alignment & Qt::AlignHCenter)
        x = inner.left() + (inner.width() - advance) / 2;
    qreal baseline = inner.top() + metrics.ascent();
    if (box.alignment & Qt::AlignVCenter)
        baseline = inner.top() + (inner.height() - metrics.height()) / 2 + metrics.ascent();
    else if (box.alignment & Qt::AlignBottom)
        baseline = inner.bottom() - metrics.descent();

    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(box.color);
    painter.drawText(QPointF(x, baseline), text);
    painter.restore();
}

} // namespace

QSizeF Page::sheetSize() const
{
    return orientation == QPageLayout::Landscape ? paperSize.transposed() : paperSize;
}

QRectF Page::printableArea() const
{
    const QSizeF sheet = sheetSize();
    return QRectF(margins.left(), margins.top(), sheet.width() - margins.left() - margins.right(),
                  sheet.height() - margins.top() - margins.bottom());
}

TextBox* Page::findTextBox(const QString& name)
{
    return findByName(textBoxes, name);
}

const TextBox* Page::findTextBox(const QString& name) const
{
    return const_cast<Page*>(this)->findTextBox(name);
}

PictureBox* Page::findPictureBox(const QString& name)
{
    return findByName(pictureBoxes, name);
}

const PictureBox* Page::findPictureBox(const QString& name) const
{
    return const_cast<Page*>(this)->findPictureBox(name);
}

Report::Report(const QString& name, const Page& page)
    : m_name(name)
    , m_page(page)
{ }

void Report::prepare()
{
    m_prepared.reset();
    m_prepared = m_page;
}

namespace {

QImage MeasuringDevice(int dotsPerInch)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    return device;
}

} // namespace

TextFit::TextFit(const TextBox& box, int dotsPerInch)
    : m_device(MeasuringDevice(dotsPerInch))
    , m_metrics(BoxFont(box), &m_device)
{
    // The same mapping as a page drawn on that device; the box's position does not matter.
    QPainter painter(&m_device);
    const DeviceMapping map(painter, Page{});
    // A text starts two units in from one side and is clipped at the box's outer edge.
    m_width = map.rect(box.rect).width() - map.unitsX(2.0);
}

bool TextFit::fits(const QString& text) const
{
    return m_metrics.horizontalAdvance(OneLine(text)) <= m_width;
}

QSizeF DevicePixelsPerMm(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device)
        return {1.0, 1.0};
    if (device->devType() == QInternal::Image) {
        // The image's own resolution, without rounding it to whole dots per inch.
        const auto* image = static_cast<const QImage*>(device);
        if (image->dotsPerMeterX() > 0 && image->dotsPerMeterY() > 0)
            return {image->dotsPerMeterX() / 1000.0, image->dotsPerMeterY() / 1000.0};
    }
    return {device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4};
}

void RenderPage(QPainter& painter, const Page& page)
{
    const DeviceMapping map(painter, page);
    painter.save();
    for (const Shape& shape : page.shapes)
        PaintShape(painter, map, shape);
    for (const PictureBox& box : page.pictureBoxes)
        PaintPicture(painter, map, box);
    for (const TextBox& box : page.textBoxes)
        PaintText(painter, map, box);
    painter.restore();
}

QImage RenderPageImage(const Page& page, int dotsPerInch)
{
    const QSizeF sheet = page.sheetSize();
    const QSize size(qRound(sheet.width() / 25.4 * dotsPerInch), qRound(sheet.height() / 25.4 * dotsPerInch));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderPage(painter, page);
    painter.end();
    return image;
}

} // namespace report
