#include "editor/FlyerPages.h"
#include "exchange/FlyerExport.h"
#include "print/PageContent.h"
#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/PhotoStore.h"

#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QImage>
#include <QTest>

using testing::ReadFile;
using testing::TestFolder;

namespace {

exchange::FlyerPagesSnapshot Flyer(const TestFolder& folder, int pages)
{
    exchange::FlyerPagesSnapshot flyer;
    flyer.title = QStringLiteral("Autunno");
    flyer.photoFolder = folder.file(QStringLiteral("Foto_Listino"));
    for (int p = 0; p < pages; ++p) {
        storage::PageRecord page = editor::FlyerPages::NewPage();
        page.slots[0] = {QStringLiteral("K%1").arg(p), QStringLiteral("Mele %1").arg(p), QStringLiteral("Cassetta"),
                         QStringLiteral("Del Trentino"), QStringLiteral("2,40")};
        flyer.pages.push_back(page);
    }
    return flyer;
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each picture is the page as the one renderer draws it, at 1240 x 1754.
    void picturesAreTheRenderedPages()
    {
        TestFolder folder;
        const exchange::FlyerPagesSnapshot flyer = Flyer(folder, 4);
        QVERIFY(QDir().mkpath(flyer.photoFolder));
        QImage photo(800, 600, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(storage::SavePhoto(photo, storage::SlotPhotoPath(flyer.photoFolder, flyer.title, u'A', QStringLiteral("3"))));

        const QString out = folder.file(QStringLiteral("immagini"));
        QVERIFY(QDir().mkpath(out));
        const QStringList files = exchange::ExportPictures(flyer, out, {2, 3});
        QCOMPARE(files, QStringList({out + QStringLiteral("/Autunno_2.png"), out + QStringLiteral("/Autunno_3.png")}));
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 2);

        const QImage written(files.at(1));
        QCOMPARE(written.size(), QSize(1240, 1754));
        const report::Report expected = print::PreparePage(
            print::PageTemplate::Load(),
            print::StoredPageContent(flyer.photoFolder, flyer.title, 3, flyer.pages[2],
                                     print::PrintedPicture(storage::DrawBlankPicture())));
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
                 report::RenderPageImage(*expected.preparedPage(), exchange::kPictureDotsPerInch));
    }

    void pdfHoldsTheChosenPagesAndNothingOnCancel()
    {
        TestFolder folder;
        const exchange::FlyerPagesSnapshot flyer = Flyer(folder, 5);
        const QString pdf = folder.file(QStringLiteral("Autunno.pdf"));
        exchange::ExportPdf(flyer, pdf, {2, 4});
        const QByteArray bytes = ReadFile(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);

        QVERIFY(QFile::remove(pdf));
        QVERIFY_THROWS_EXCEPTION(exchange::Cancelled,
                                 exchange::ExportPdf(flyer, pdf, {}, [](qint64 done, qint64) { return done < 2; }));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void refusesEmptyFlyersAndRangesOutside()
    {
        TestFolder folder;
        const exchange::FlyerPagesSnapshot empty = Flyer(folder, 0);
        const QString pdf = folder.file(QStringLiteral("x.pdf"));
        QVERIFY_THROWS_EXCEPTION(exchange::ExchangeError, exchange::ExportPdf(empty, pdf));
        QVERIFY_THROWS_EXCEPTION(exchange::ExchangeError, exchange::ExportPictures(empty, folder.path()));
        QVERIFY_THROWS_EXCEPTION(exchange::ExchangeError, exchange::ExportList(empty, folder.file("x.csv")));
        QVERIFY_THROWS_EXCEPTION(exchange::ExchangeError, exchange::ExportPdf(Flyer(folder, 2), pdf, {2, 3}));
        QVERIFY(!QFile::exists(pdf));
    }

    void parsesPageRanges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("last");
        QTest::newRow("range") << "3-5" << qint64(3) << qint64(5);
        QTest::newRow("one") << "4" << qint64(4) << qint64(4);
        QTest::newRow("from") << "3-" << qint64(3) << qint64(0);
        QTest::newRow("to") << "-5" << qint64(1) << qint64(5);
        QTest::newRow("backwards") << "5-3" << qint64(-1) << qint64(-1);
        QTest::newRow("zero") << "0-2" << qint64(-1) << qint64(-1);
        QTest::newRow("words") << "tre" << qint64(-1) << qint64(-1);
        QTest::newRow("dash") << "-" << qint64(-1) << qint64(-1);
    }
    void parsesPageRanges()
    {
        QFETCH(QString, text);
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        const std::optional<exchange::PageRange> range = exchange::ParsePageRange(text);
        QCOMPARE(range.has_value(), first > 0);
        if (range) {
            QCOMPARE(range->first, first);
            QCOMPARE(range->last, last);
        }
    }
};

VETRINALIA_TEST(ExportTest)
#include "ExportTest.moc"
