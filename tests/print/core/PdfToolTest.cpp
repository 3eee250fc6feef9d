// vetrinalia-pdf as the shop runs it: a real archive and photos in, one PDF out.

#include "support/SmallDisk.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include <optional>

#include <array>

namespace {

const QString kTool = QStringLiteral(VETRINALIA_PROGRAM_DIR "/vetrinalia-pdf");

struct Run {
    int exitCode = -1;
    QString errors;
};

Run RunTool(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(kTool, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QString Poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

storage::PageRecord Page(int number)
{
    storage::PageRecord record;
    for (int slot = 0; slot < 8; ++slot) {
        const QString tag = QStringLiteral("P%1%2").arg(number).arg(QChar(char16_t(u'A' + slot)));
        record.slots[slot] = {QStringLiteral("COD-") + tag, QStringLiteral("Prodotto ") + tag,
                              QStringLiteral("Confezione ") + tag, QStringLiteral("[Offerta] ") + tag,
                              QStringLiteral("%1,%2").arg(number * 10 + slot).arg(slot, 2, 10, QLatin1Char('0'))};
    }
    return record;
}

QByteArray Archive(int pages)
{
    QByteArray bytes;
    for (int page = 1; page <= pages; ++page) {
        storage::PageRecord record = Page(page);
        if (page == 2)
            record.slots[3].prezzo.clear();
        bytes += storage::EncodePageRecord(record);
    }
    return bytes;
}

// The tool's own lines on the error output, without what Qt itself may say there.
QStringList ToolMessages(const QString& errors)
{
    QStringList lines;
    for (const QString& line : errors.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("vetrinalia-pdf: ")))
            lines << line;
    return lines;
}

// The rows of "pdfimages -list": one per image drawn, split into columns (page, num, type,
// width, height, ..., the object in column 10).
QList<QStringList> PdfImages(const QString& pdf)
{
    QList<QStringList> rows;
    const QStringList lines = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() > 10)
            rows << columns;
    }
    return rows;
}

// pdftotext joins runs of spaces differently per version; compare words.
QString Words(const QString& text)
{
    return text.simplified();
}

// Four quadrants of four colours: a picture shifted, flipped or scaled wrong shows.
QImage Quadrants(const QSize& size, const std::array<QColor, 4>& colours)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, colours[(y >= size.height() / 2) * 2 + (x >= size.width() / 2)]);
    return image;
}

// The quadrant centres of a slot's picture box, in pixels of the sheet at 100 dpi.
QList<QPoint> PictureQuadrants(const report::Page& page, int slot)
{
    const report::PictureBox* box = page.findPictureBox(print::SlotObjectName(QStringLiteral("imgFoto"), slot));
    const QRectF mm = box->rect.translated(page.printableArea().topLeft());
    const qreal scale = 100 / 25.4;
    QList<QPoint> points;
    for (const qreal fy : {0.25, 0.75})
        for (const qreal fx : {0.25, 0.75})
            points << QPointF((mm.left() + fx * mm.width()) * scale, (mm.top() + fy * mm.height()) * scale).toPoint();
    return points;
}

bool Near(QColor a, QColor b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class PdfToolTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void threePagesInOrder();
    void photosFoundUnderTheTrimmedTitle();
    void photosPrintAsOnThePrintedPage_data();
    void photosPrintAsOnThePrintedPage();
    void badArchivesAreRefused_data();
    void badArchivesAreRefused();
};

void PdfToolTest::initTestCase()
{
    QVERIFY2(QFile::exists(kTool), qPrintable(kTool));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void PdfToolTest::threePagesInOrder()
{
    testing::TestFolder folder;
    const QString flyers = folder.file(QStringLiteral("negozio/"));
    QVERIFY(QDir().mkpath(flyers + QStringLiteral("Foto_Listino")));
    const QString archive = flyers + QStringLiteral("Saldi Estate.lis");
    const QByteArray bytes = Archive(3);
    QVERIFY(testing::WriteFile(archive, bytes));
    QImage photo(366, 274, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x60, 0xC0));
    QVERIFY(photo.save(flyers + QStringLiteral("Foto_Listino/Saldi Estate_Foto_A_2.jpg")));
    // A text file under a photo's name prints the blank picture.
    QVERIFY(testing::WriteFile(flyers + QStringLiteral("Foto_Listino/Saldi Estate_Foto_B_3.jpg"), "non una foto"));
    const QStringList photosBefore = QDir(flyers + QStringLiteral("Foto_Listino")).entryList(QDir::Files);

    const QString pdf = folder.file(QStringLiteral("volantino.pdf"));
    const Run run = RunTool({archive, pdf});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(ToolMessages(run.errors).isEmpty(), qPrintable(run.errors));

    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Saldi Estate\\n"))), qPrintable(info));

    for (int number = 1; number <= 3; ++number) {
        const QString page = Words(Poppler(QStringLiteral("pdftotext"),
                                           {QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                                            QString::number(number), QStringLiteral("-layout"), pdf,
                                            QStringLiteral("-")}));
        QVERIFY2(page.startsWith(QStringLiteral("Saldi Estate ")), qPrintable(page));
        QVERIFY2(page.endsWith(QStringLiteral(" ") + QString::number(number)), qPrintable(page));
        const storage::PageRecord record = Page(number);
        for (int slot = 0; slot < 8; ++slot) {
            const storage::ProductSlot& values = record.slots[slot];
            for (const QString& text : {values.nome, values.um, values.caratteristiche, values.codice})
                QVERIFY2(page.contains(text), qPrintable(text + QStringLiteral(" | ") + page));
            if (number == 2 && slot == 3)
                QVERIFY(!page.contains(values.prezzo));
            else
                QVERIFY2(page.contains(QStringLiteral("\u20AC ") + values.prezzo), qPrintable(values.prezzo));
        }
        // Only this page's records.
        const int other = number % 3 + 1;
        QVERIFY(!page.contains(Page(other).slots[0].nome));
    }

    // Only read: the archive and the photo folder are as they were, nothing created beside.
    QCOMPARE(testing::ReadFile(archive), bytes);
    QCOMPARE(QDir(flyers + QStringLiteral("Foto_Listino")).entryList(QDir::Files), photosBefore);
    QVERIFY(!QDir(folder.file(QStringLiteral("Foto_Listino"))).exists());

    // The blank picture is one image in the document however many slots print it: with the
    // one photo, two images in all.
    QSet<QString> images;
    for (const QStringList& image : PdfImages(pdf))
        images << image.at(10);
    QCOMPARE(images.size(), 2);

    // The look: page 2 carries the photo of slot A, the blank badge elsewhere.
    Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                         QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                         QStringLiteral("2"), pdf, QStringLiteral(VETRINALIA_BINARY_DIR "/look/pdf")});
}

void PdfToolTest::photosFoundUnderTheTrimmedTitle()
{
    // The program names a flyer's photos after its trimmed title, blanks around the name
    // of its archive file or not.
    testing::TestFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Foto_Listino"))));
    const QString archive = folder.file(QStringLiteral(" Saldi .lis"));
    QVERIFY(testing::WriteFile(archive, Archive(1)));
    QImage photo(366, 274, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x60, 0xC0));
    QVERIFY(photo.save(storage::SlotPhotoPath(QStringLiteral(" Saldi "), u'A', QStringLiteral("1"))));

    const QString pdf = folder.file(QStringLiteral("volantino.pdf"));
    QCOMPARE(RunTool({archive, pdf}).exitCode, 0);
    QSet<QString> images;
    for (const QStringList& image : PdfImages(pdf))
        images << image.at(10);
    QCOMPARE(images.size(), 2); // the photo and the blank badge
}

void PdfToolTest::photosPrintAsOnThePrintedPage_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");       // QImage::Format of the picture written
    QTest::addColumn<QByteArray>("type"); // its file format, under a .jpg name whatever it is
    QTest::addColumn<bool>("transparent"); // one quadrant clear, one half clear
    QTest::newRow("stored photo") << QSize(366, 274) << int(QImage::Format_RGB32) << QByteArray("jpg") << false;
    QTest::newRow("camera photo") << QSize(1464, 1096) << int(QImage::Format_RGB32) << QByteArray("jpg") << false;
    QTest::newRow("small photo") << QSize(92, 69) << int(QImage::Format_RGB32) << QByteArray("jpg") << false;
    QTest::newRow("grey photo") << QSize(366, 274) << int(QImage::Format_Grayscale8) << QByteArray("jpg") << false;
    QTest::newRow("transparent picture") << QSize(366, 274) << int(QImage::Format_ARGB32) << QByteArray("png") << true;
    QTest::newRow("transparent picture to scale") << QSize(732, 548) << int(QImage::Format_ARGB32) << QByteArray("png")
                                                  << true;
}

void PdfToolTest::photosPrintAsOnThePrintedPage()
{
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(QByteArray, type);
    QFETCH(bool, transparent);
    testing::TestFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Foto_Listino"))));
    const QString archive = folder.file(QStringLiteral("Foto.lis"));
    QVERIFY(testing::WriteFile(archive, Archive(1)));
    const std::array<QColor, 4> colours = transparent
        ? std::array<QColor, 4>{QColor(230, 120, 20), QColor(255, 0, 0, 0), QColor(0, 0, 255, 128), QColor(30, 160, 60)}
        : std::array<QColor, 4>{QColor(200, 30, 30), QColor(30, 160, 60), QColor(40, 60, 200), QColor(230, 200, 40)};
    const QString photo = folder.file(QStringLiteral("Foto_Listino/Foto_Foto_A_1.jpg"));
    QVERIFY(Quadrants(size, colours).convertToFormat(QImage::Format(format)).save(photo, type.constData()));

    const QString pdf = folder.file(QStringLiteral("foto.pdf"));
    QCOMPARE(RunTool({archive, pdf}).exitCode, 0);
    // Every picture goes in at the preview picture's size, whatever the photo's own.
    const QList<QStringList> images = PdfImages(pdf);
    QVERIFY(!images.isEmpty());
    for (const QStringList& image : images)
        QCOMPARE(image.at(3) + QLatin1Char('x') + image.at(4), QStringLiteral("366x274"));
    Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                         QStringLiteral("-singlefile"), pdf, folder.file(QStringLiteral("pagina"))});
    const QImage printed(folder.file(QStringLiteral("pagina.png")));

    // The page the program prints: the photo's 366 x 274 preview picture in slot A.
    report::Report report = print::PageTemplate::Load().CreateReport();
    print::PageContent content;
    const std::optional<QImage> stored = storage::LoadPhoto(photo);
    QVERIFY(stored);
    content.slots[0].picture = storage::ScaleBitmap(*stored, storage::kPhotoWidth, storage::kPhotoHeight);
    print::FillPageTemplate(report, content);
    report.prepare();
    const QImage expected = report::RenderPageImage(*report.preparedPage(), 100);

    // The same sheet, to poppler's rounding up of the last pixel.
    QVERIFY2(qAbs(printed.width() - expected.width()) <= 1 && qAbs(printed.height() - expected.height()) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(printed.width()).arg(printed.height())));
    for (const QPoint& point : PictureQuadrants(*report.preparedPage(), 0)) {
        const QColor seen = printed.pixelColor(point);
        const QColor wanted = expected.pixelColor(point);
        QVERIFY2(Near(seen, wanted, 8), qPrintable(QStringLiteral("%1,%2: %3 in the PDF, %4 on the page")
                                                       .arg(point.x())
                                                       .arg(point.y())
                                                       .arg(seen.name(), wanted.name())));
    }
}

void PdfToolTest::badArchivesAreRefused_data()
{
    QTest::addColumn<QString>("archive"); // inside the test folder
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "Manca.lis" << "out.pdf" << "l'archivio \"%1\" non esiste.";
    QTest::newRow("a folder") << "Cartella.lis" << "out.pdf" << "\"%1\" non \u00E8 un archivio di volantino.";
    QTest::newRow("empty") << "Vuoto.lis" << "out.pdf" << "l'archivio \"%1\" non contiene nessuna scheda.";
    QTest::newRow("output over the archive") << "Pieno.lis" << "Pieno.lis"
                                             << "il documento PDF non pu\u00F2 sostituire l'archivio \"%1\".";
    QTest::newRow("output not writable") << "Pieno.lis" << "Cartella.lis/x/out.pdf"
                                         << "impossibile scrivere il documento \"%2\".";
    QTest::newRow("output on a full disk") << "Pieno.lis" << "Disco/out.pdf"
                                           << "impossibile scrivere il documento \"%2\".";
}

void PdfToolTest::badArchivesAreRefused()
{
    QFETCH(QString, archive);
    QFETCH(QString, output);
    QFETCH(QString, message);
    testing::TestFolder folder;
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Cartella.lis"))));
    QVERIFY(testing::WriteFile(folder.file(QStringLiteral("Vuoto.lis")), {}));
    const QByteArray full = Archive(1);
    QVERIFY(testing::WriteFile(folder.file(QStringLiteral("Pieno.lis")), full));

    // A disk with room for only a part of the document.
    QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Disco"))));
    std::optional<testing::SmallDisk> disk;
    if (output.startsWith(QLatin1String("Disco/"))) {
        disk.emplace(folder.file(QStringLiteral("Disco")), 8);
        if (!disk->mounted())
            QSKIP("mounting a small tmpfs needs root; not allowed here");
    }

    const Run run = RunTool({folder.file(archive), folder.file(output)});
    QVERIFY(run.exitCode > 0);
    message.replace(QStringLiteral("%1"), folder.file(archive)).replace(QStringLiteral("%2"), folder.file(output));
    QCOMPARE(ToolMessages(run.errors), QStringList{QStringLiteral("vetrinalia-pdf: ") + message});
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("out.pdf"))));
    QVERIFY(!QFile::exists(folder.file(output)) || output.endsWith(QLatin1String(".lis")));
    QCOMPARE(testing::ReadFile(folder.file(QStringLiteral("Pieno.lis"))), full);

    QCOMPARE(RunTool({folder.file(QStringLiteral("Pieno.lis"))}).exitCode, 2);
}

VETRINALIA_TEST(PdfToolTest)
#include "PdfToolTest.moc"
