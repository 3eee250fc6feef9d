// The printed page as pixels: the template rendered at 254 dpi, ten pixels to the millimetre.

#include "support/TestRegistry.h"

#include "print/PageTemplate.h"
#include "report/Report.h"

#include <QTest>

namespace {

constexpr int kDpi = 254; // 10 pixels per millimetre
const QColor kAliceBlue(0xF0, 0xF8, 0xFF);
const QColor kIvory(0xFF, 0xFF, 0xF0);
const QColor kGainsboro(0xDC, 0xDC, 0xDC);

// A pixel given in millimetres from the sheet's top-left corner.
QColor At(const QImage& image, double xMm, double yMm)
{
    return image.pixelColor(int(xMm * 10), int(yMm * 10));
}

// Pixels in a sheet rectangle (mm) that differ from the background colour.
int Ink(const QImage& image, const QRectF& mm, const QColor& background)
{
    int count = 0;
    for (int y = int(mm.top() * 10); y < int(mm.bottom() * 10); ++y)
        for (int x = int(mm.left() * 10); x < int(mm.right() * 10); ++x)
            count += image.pixelColor(x, y) != background;
    return count;
}

// Left and right end (mm) of the ink in a sheet rectangle; -1 when there is none.
QPair<double, double> InkSpan(const QImage& image, const QRectF& mm, const QColor& background)
{
    int left = -1;
    int right = -1;
    for (int x = int(mm.left() * 10); x < int(mm.right() * 10); ++x)
        for (int y = int(mm.top() * 10); y < int(mm.bottom() * 10); ++y)
            if (image.pixelColor(x, y) != background) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
    return {left / 10.0, right / 10.0};
}

// The template with every text and picture emptied: what the engine prints of its own.
report::Report EmptyReport()
{
    report::Report report = print::PageTemplate::Load().CreateReport();
    for (report::TextBox& box : report.page().textBoxes)
        box.setText(QString());
    return report;
}

QImage Render(report::Report& report, int dpi = kDpi)
{
    report.prepare();
    return report::RenderPageImage(*report.preparedPage(), dpi);
}

QImage Solid(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class RenderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void templateHasEveryObject();
    void emptyPageShowsEightTintedBoxes();
    void longNameIsClippedAtTheBoxRightEdge();
    void longPriceLosesItsBeginning();
    void photoFillsTheBoxHeightCentred_data();
    void photoFillsTheBoxHeightCentred();
    void fontsKeepTheirSizeOnEveryResolution();
    void pageNumberIsCentredAndEmptyWhenUnsaved();
    void setPictureKeepsItsOwnCopyAndPrepareReplacesThePage();
};

void RenderTest::templateHasEveryObject()
{
    const print::PageTemplate page = print::PageTemplate::Load();
    QCOMPARE(page.reportName(), QStringLiteral("Volantino Offerte"));
    QCOMPARE(page.page().name, QStringLiteral("Page1"));
    QCOMPARE(page.page().sheetSize(), QSizeF(210, 297));
    QCOMPARE(page.page().printableArea(), QRectF(10, 10, 190, 277));
    QCOMPARE(page.page().orientation, QPageLayout::Portrait);

    const QStringList shapes{"Shape19", "Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape7"};
    QCOMPARE(int(page.page().shapes.size()), 8);
    for (int k = 0; k < 8; ++k) {
        const report::Shape& shape = page.page().shapes[k];
        QCOMPARE(shape.name, shapes[k]);
        QCOMPARE(shape.rect, QRectF(1.0, 6.0 + 33.0 * k, 188.0, 30.0));
        QCOMPARE(shape.fill, k % 2 ? kIvory : kAliceBlue);
        QCOMPARE(shape.outline, kGainsboro);
    }
    // Slot H follows slot A by 7 x 33 mm, everything else equal.
    const report::TextBox* priceA = page.page().findTextBox("txtPrezzo_A");
    const report::TextBox* priceH = page.page().findTextBox("txtPrezzo_H");
    QVERIFY(priceA && priceH);
    QCOMPARE(priceA->rect, QRectF(146.0, 27.8, 40.4, 7.0));
    QCOMPARE(priceH->rect, QRectF(146.0, 27.8 + 231.0, 40.4, 7.0));
    QCOMPARE(priceH->alignment, Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(priceH->text, QStringLiteral("0,00"));
    QVERIFY(priceH->bold);
    QCOMPARE(priceH->pointSize, 16.0);
    const report::TextBox* codeC = page.page().findTextBox("txtCodice_C");
    QVERIFY(codeC);
    QCOMPARE(codeC->rect, QRectF(42.4, 28.0 + 66.0, 93.6, 7.0));
    QCOMPARE(codeC->color, QColor(0x00, 0x00, 0x80));
    QCOMPARE(codeC->fontFamily, QStringLiteral("Arial"));
    const report::TextBox* title = page.page().findTextBox("txtNome");
    QVERIFY(title);
    QCOMPARE(title->rect, QRectF(1.0, 0.6, 188.0, 4.0));
    QCOMPARE(title->text, QStringLiteral("NOME VOLANTINO OFFERTE"));
    const report::TextBox* number = page.page().findTextBox("txtPagina");
    QVERIFY(number);
    QCOMPARE(number->rect, QRectF(0.0, 273.0, 190.0, 4.0));
    QCOMPARE(number->alignment, Qt::AlignHCenter | Qt::AlignVCenter);

    for (int k = 0; k < 8; ++k) {
        QVERIFY(page.page().findPictureBox(print::SlotObjectName("imgFoto", k)));
        for (const char* role : {"txtNome", "txtUM", "txtCaratteristiche", "txtCodice", "txtPrezzo"})
            QVERIFY2(page.page().findTextBox(print::SlotObjectName(role, k)), role);
    }
    QCOMPARE(int(page.page().textBoxes.size()), 8 * 5 + 2);
    QCOMPARE(int(page.page().pictureBoxes.size()), 8);
}

void RenderTest::emptyPageShowsEightTintedBoxes()
{
    report::Report report = EmptyReport();
    const QImage image = Render(report);
    QCOMPARE(image.size(), QSize(2100, 2970));
    for (int k = 0; k < 8; ++k) {
        const double top = 16.0 + 33.0 * k; // sheet millimetres
        const double bottom = top + 30.0;
        const QColor fill = k % 2 ? kIvory : kAliceBlue;
        QCOMPARE(At(image, 100.0, top + 15.0), fill);
        QCOMPARE(At(image, 11.5, top + 0.5), fill);
        // A one-unit Gainsboro outline on all four sides, white paper just outside.
        QCOMPARE(At(image, 11.05, top + 15.0), kGainsboro);
        QCOMPARE(At(image, 198.95, top + 15.0), kGainsboro);
        QCOMPARE(At(image, 100.0, top + 0.05), kGainsboro);
        QCOMPARE(At(image, 100.0, bottom - 0.05), kGainsboro);
        QCOMPARE(At(image, 10.9, top + 15.0), QColor(Qt::white));
        QCOMPARE(At(image, 199.1, top + 15.0), QColor(Qt::white));
        QCOMPARE(At(image, 100.0, top - 0.1), QColor(Qt::white));
        QCOMPARE(At(image, 100.0, bottom + 0.1), QColor(Qt::white));
        // Nothing else inside: empty texts and empty picture boxes print nothing.
        QCOMPARE(Ink(image, QRectF(11.5, top + 0.5, 187.0, 29.0), fill), 0);
    }
    // Above the first box and below the last only white paper.
    QCOMPARE(Ink(image, QRectF(0, 0, 210, 15.9), Qt::white), 0);
    QCOMPARE(Ink(image, QRectF(0, 277.1, 210, 19.9), Qt::white), 0);
}

void RenderTest::longNameIsClippedAtTheBoxRightEdge()
{
    report::Report report = EmptyReport();
    report.findTextBox("txtNome_B")->setText(QString(60, QLatin1Char('W')));
    const QImage image = Render(report);
    // txtNome_B: sheet x 52.4 .. 197.4 mm, y 50 .. 57 mm, on Ivory.
    const QRectF rows(0, 50.2, 0, 6.6);
    QVERIFY(Ink(image, QRectF(52.4, rows.top(), 10, rows.height()), kIvory) > 0);
    QVERIFY(Ink(image, QRectF(195.0, rows.top(), 2.3, rows.height()), kIvory) > 0);
    QCOMPARE(Ink(image, QRectF(197.5, rows.top(), 1.0, rows.height()), kIvory), 0);
    // The next line stays clear: nothing wrapped.
    QCOMPARE(Ink(image, QRectF(52.4, 57.1, 145, 1.8), kIvory), 0);
}

void RenderTest::longPriceLosesItsBeginning()
{
    report::Report shortPrice = EmptyReport();
    shortPrice.findTextBox("txtPrezzo_A")->setText(QStringLiteral("\u20AC  12,00"));
    const QImage shortImage = Render(shortPrice);
    report::Report longPrice = EmptyReport();
    longPrice.findTextBox("txtPrezzo_A")->setText(QStringLiteral("\u20AC  98765432109876543212,00"));
    const QImage longImage = Render(longPrice);

    // txtPrezzo_A: sheet x 156.0 .. 196.4 mm, y 37.8 .. 44.8 mm.
    const QRectF box(156.0, 37.8, 40.4, 7.0);
    // The end of the text ("2,00") sits at the same place in both.
    const QRectF end(box.right() - 8.0, box.top(), 8.0, box.height());
    QVERIFY(Ink(longImage, end, kAliceBlue) > 0);
    QCOMPARE(longImage.copy(QRectF(end.topLeft() * 10, end.size() * 10).toRect()),
             shortImage.copy(QRectF(end.topLeft() * 10, end.size() * 10).toRect()));
    // The beginning is cut at the box's left edge: the box is inked up to it, nothing left of it.
    QVERIFY(Ink(longImage, QRectF(box.left(), box.top(), 1.0, box.height()), kAliceBlue) > 0);
    QCOMPARE(Ink(longImage, QRectF(146.1, box.top(), 9.8, box.height()), kAliceBlue), 0);
}

void RenderTest::photoFillsTheBoxHeightCentred_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QRectF>("expected"); // sheet millimetres
    // imgFoto_A: sheet 12 .. 50 mm by 17 .. 45 mm.
    QTest::newRow("366 x 274 fills the height") << QSize(366, 274) << QRectF(12.0 + 0.30, 17.0, 37.40, 28.0);
    QTest::newRow("tall picture centred") << QSize(100, 200) << QRectF(24.0, 17.0, 14.0, 28.0);
    QTest::newRow("wide picture centred") << QSize(760, 140) << QRectF(12.0, 27.5, 38.0, 7.0);
}

void RenderTest::photoFillsTheBoxHeightCentred()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QRectF, expected);
    report::Report report = EmptyReport();
    report.findPictureBox("imgFoto_A")->setPicture(Solid(pictureSize.width(), pictureSize.height(), Qt::red));
    const QImage image = Render(report);
    const QColor red(Qt::red);
    // Inside the fitted area red, just outside the tint of the box.
    QCOMPARE(At(image, expected.left() + 0.15, expected.center().y()), red);
    QCOMPARE(At(image, expected.right() - 0.15, expected.center().y()), red);
    QCOMPARE(At(image, expected.center().x(), expected.top() + 0.15), red);
    QCOMPARE(At(image, expected.center().x(), expected.bottom() - 0.15), red);
    if (expected.left() > 12.2)
        QCOMPARE(At(image, expected.left() - 0.15, expected.center().y()), kAliceBlue);
    if (expected.top() > 17.2)
        QCOMPARE(At(image, expected.center().x(), expected.top() - 0.15), kAliceBlue);
    QCOMPARE(At(image, 50.2, 31.0), kAliceBlue);
}

void RenderTest::fontsKeepTheirSizeOnEveryResolution()
{
    // The same name at 127 and 254 dpi: the printed width in millimetres is the same.
    report::Report report = EmptyReport();
    report.findTextBox("txtNome_A")->setText(QStringLiteral("PROSCIUTTO CRUDO"));
    const QImage coarse = [&] {
        report.prepare();
        QImage image = report::RenderPageImage(*report.preparedPage(), 127);
        return image.scaled(image.size() * 2); // to 10 px per mm for measuring
    }();
    const QImage fine = Render(report);
    const QRectF box(52.4, 17.0, 145.0, 7.0);
    const auto fineSpan = InkSpan(fine, box, kAliceBlue);
    const auto coarseSpan = InkSpan(coarse, box, kAliceBlue);
    QVERIFY(fineSpan.first > 0);
    // 16 pt bold Arial: "PROSCIUTTO CRUDO" is about 58 mm wide.
    QVERIFY2(fineSpan.second - fineSpan.first > 50 && fineSpan.second - fineSpan.first < 66,
             qPrintable(QString::number(fineSpan.second - fineSpan.first)));
    QVERIFY(qAbs(fineSpan.first - coarseSpan.first) < 0.4);
    QVERIFY(qAbs(fineSpan.second - coarseSpan.second) < 0.6);
    // Starts two units inside the box.
    QVERIFY(fineSpan.first >= box.left() + 0.5 && fineSpan.first < box.left() + 1.5);
}

void RenderTest::pageNumberIsCentredAndEmptyWhenUnsaved()
{
    report::Report report = EmptyReport();
    report.findTextBox("txtPagina")->setText(QStringLiteral("12"));
    const QImage numbered = Render(report);
    const QRectF line(10.0, 283.0, 190.0, 4.0);
    const auto span = InkSpan(numbered, line, Qt::white);
    QVERIFY(span.first > 0);
    QVERIFY(qAbs((span.first + span.second) / 2 - 105.0) < 0.6);

    report.findTextBox("txtPagina")->setText(QString());
    QCOMPARE(Ink(Render(report), line, Qt::white), 0);
}

void RenderTest::setPictureKeepsItsOwnCopyAndPrepareReplacesThePage()
{
    report::Report report = EmptyReport();
    QImage picture = Solid(366, 274, Qt::red);
    report.findPictureBox("imgFoto_A")->setPicture(picture);
    picture.fill(Qt::green);
    QCOMPARE(report.findPictureBox("imgFoto_A")->picture.pixelColor(0, 0), QColor(Qt::red));

    QVERIFY(!report.isPrepared());
    report.findTextBox("txtNome_A")->setText("PRIMA");
    report.prepare();
    report.findTextBox("txtNome_A")->setText("DOPO");
    // The prepared page is what was laid out, until the next preparation replaces it.
    QCOMPARE(report.preparedPage()->findTextBox("txtNome_A")->text, QStringLiteral("PRIMA"));
    report.prepare();
    QCOMPARE(report.preparedPage()->findTextBox("txtNome_A")->text, QStringLiteral("DOPO"));
}

VETRINALIA_TEST(RenderTest)
#include "RenderTest.moc"
