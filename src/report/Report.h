#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace report {

// The layout unit of the page objects' insets and outlines: one pixel at 96 per inch.
inline constexpr qreal kMmPerUnit = 25.4 / 96.0;

// A filled rectangle with a one-unit outline; drawn beneath everything else.
struct Shape {
    QString name;
    QRectF rect; // millimetres on the printable area
    QColor fill;
    QColor outline;
};

// One line of text in one font and colour: clipped to the box, never wrapped, no frame,
// no fill; the text prints exactly as set.
struct TextBox {
    QString name;
    QRectF rect; // millimetres on the printable area
    QString fontFamily;
    qreal pointSize = 10;
    bool bold = false;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    QString text;

    void setText(const QString& value) { text = value; }
};

// A picture fitted into the box with its proportions kept, centred; an empty box prints
// nothing.
struct PictureBox {
    QString name;
    QRectF rect; // millimetres on the printable area
    QImage picture;

    // The box keeps its own copy: later changes to the caller's image do not reach it. The
    // copy shares the pixels until either side changes them, so one picture set on many pages
    // stays one image, and a PDF embeds it once.
    void setPicture(const QImage& value) { picture = value; }
};

// The one printable page of a report: paper, orientation, margins and its objects.
struct Page {
    QString name;
    QSizeF paperSize{210.0, 297.0}; // millimetres, portrait
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins; // millimetres
    std::vector<Shape> shapes;
    std::vector<PictureBox> pictureBoxes;
    std::vector<TextBox> textBoxes;

    // The sheet as oriented, in millimetres.
    QSizeF sheetSize() const;
    // The sheet less its margins, in millimetres from the sheet's top-left corner.
    QRectF printableArea() const;

    TextBox* findTextBox(const QString& name);
    const TextBox* findTextBox(const QString& name) const;
    PictureBox* findPictureBox(const QString& name);
    const PictureBox* findPictureBox(const QString& name) const;
};

// A page template with its objects, filled and prepared for output.
class Report {
public:
    Report() = default;
    Report(const QString& name, const Page& page);

    // The report's name: the preview window's title and the print job's name.
    const QString& name() const { return m_name; }

    // The printable page of the template.
    Page& page() { return m_page; }
    const Page& page() const { return m_page; }

    // The text box or picture box of that name on the page; nullptr when there is none.
    TextBox* findTextBox(const QString& name) { return m_page.findTextBox(name); }
    PictureBox* findPictureBox(const QString& name) { return m_page.findPictureBox(name); }

    void setOrientation(QPageLayout::Orientation orientation) { m_page.orientation = orientation; }

    // Lays the page out from the template as it stands, replacing any page prepared before.
    void prepare();
    bool isPrepared() const { return m_prepared.has_value(); }
    // The prepared page; nullptr before prepare().
    const Page* preparedPage() const { return m_prepared ? &*m_prepared : nullptr; }

private:
    QString m_name;
    Page m_page;
    std::optional<Page> m_prepared;
};

// Paints a page with the sheet's top-left corner at the painter's origin. Positions are
// turned from millimetres into device pixels with the device's resolution, and fonts keep
// their point sizes on every device: preview, printer, PDF and images all come from here.
void RenderPage(QPainter& painter, const Page& page);

// The whole sheet as an image at the given resolution, on white paper.
QImage RenderPageImage(const Page& page, int dotsPerInch);

// Tells whether a text prints whole in a text box, measured as RenderPage lays it out (the
// box's font, its inner width, one line) on a device of the given resolution.
class TextFit {
public:
    explicit TextFit(const TextBox& box, int dotsPerInch = 600);
    // False when the box's edge would cut the text.
    bool fits(const QString& text) const;

private:
    QImage m_device;
    QFontMetricsF m_metrics;
    qreal m_width = 0;
};

// The device pixels per millimetre of a painter's device, horizontally and vertically.
QSizeF DevicePixelsPerMm(const QPainter& painter);

} // namespace report
