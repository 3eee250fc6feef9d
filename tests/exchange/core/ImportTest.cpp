#include "editor/FlyerPages.h"
#include "exchange/FlyerExport.h"
#include "exchange/PriceListImport.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include "support/SmallDisk.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>

using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

namespace {

// Every file under a folder with its bytes, to tell that nothing changed.
QMap<QString, QByteArray> FolderState(const QString& folder)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        state.insert(QDir(folder).relativeFilePath(path), it.fileInfo().isDir() ? QByteArray("<dir>") : ReadFile(path));
    }
    return state;
}

bool SavePicture(const QString& path, QColor color, QSize size = {400, 300}, const char* format = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, format);
}

// A workbook written by openpyxl, an independent writer.
bool WriteWorkbook(const QString& path, const QString& script)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"),
                                                     QStringLiteral("import sys, openpyxl\n"
                                                                    "wb = openpyxl.Workbook()\n"
                                                                    "ws = wb.active\n")
                                                         + script + QStringLiteral("\nwb.save(sys.argv[1])\n"),
                                                     path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return false;
    }
    return true;
}

storage::PageRecord Page(std::initializer_list<storage::ProductSlot> slots)
{
    storage::PageRecord record = editor::FlyerPages::NewPage();
    int s = 0;
    for (const storage::ProductSlot& slot : slots)
        record.slots[size_t(s++)] = slot;
    return record;
}

std::vector<storage::PageRecord> Pages(const QString& archive)
{
    storage::FlyerArchive file(archive);
    std::vector<storage::PageRecord> pages;
    for (qint64 i = 0; i < file.recordCount(); ++i)
        pages.push_back(file.readPage(i));
    return pages;
}

exchange::ImportTarget Target(const TestFolder& folder, const QString& title)
{
    return {folder.file(title + QStringLiteral(".lis")), folder.file(QStringLiteral("Foto_Listino")), title};
}

QString Message(const std::function<void()>& call)
{
    try {
        call();
    } catch (const exchange::ExchangeError& error) {
        return error.message();
    }
    return {};
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dialects spreadsheet programs write, as bytes: each must give the same products.
    void readsCsvDialects_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("caratteristiche");
        QTest::newRow("semicolon, BOM, UTF-8")
            << QByteArray("\xEF\xBB\xBF" "Codice;Nome;Caratteristiche;Prezzo\r\nA1;Caff\xC3\xA8;Tostato;3,5\r\n")
            << QStringLiteral("Caffè") << QStringLiteral("Tostato");
        QTest::newRow("comma, quoted separators and quotes")
            << QByteArray("codice,nome,note,prezzo\nA1,\"Caff\xC3\xA8, \"\"moka\"\"\",\"Tostato; scuro\",\"3,50\"\n")
            << QStringLiteral("Caffè, \"moka\"") << QStringLiteral("Tostato; scuro");
        QTest::newRow("line break inside quotes")
            << QByteArray("Codice;Nome;Caratteristiche;Prezzo\r\nA1;Caff\xC3\xA8;\"Tostato\r\nscuro\";3,50\r\n")
            << QStringLiteral("Caffè") << QStringLiteral("Tostato  scuro");
        QTest::newRow("Windows-1252")
            << QByteArray("Codice;Nome;Caratteristiche;Prezzo\r\nA1;Caff\xE8;Tostato;\x80 3,50\r\n")
            << QStringLiteral("Caffè") << QStringLiteral("Tostato");
    }
    void readsCsvDialects()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, nome);
        QFETCH(QString, caratteristiche);
        TestFolder folder;
        const QString list = folder.file(QStringLiteral("listino.csv"));
        QVERIFY(WriteFile(list, bytes));
        const exchange::ImportPlan plan = exchange::PlanImport(list);
        QVERIFY2(plan.rows.size() == 1, qPrintable(exchange::PlanSummary(plan, 1)));
        QCOMPARE(plan.rows[0].slot.nome, nome);
        QCOMPARE(plan.rows[0].slot.caratteristiche, caratteristiche);
        QCOMPARE(plan.rows[0].slot.codice, QStringLiteral("A1"));
        QCOMPARE(plan.rows[0].slot.prezzo, QStringLiteral("3,50"));
        QCOMPARE(plan.rows[0].line, 2);
    }

    // Columns by header in any case and with accents, texts and prices as the editor saves
    // them, rows without name or price left out with their row numbers.
    void readsWorkbookWithTheEditorsRules()
    {
        TestFolder folder;
        const QString list = folder.file(QStringLiteral("listino.xlsx"));
        QVERIFY(WriteWorkbook(list, QStringLiteral(
            "ws.append(['CODICE ARTICOLO', 'Descrizione', 'Confezione', 'Note', 'Prezzo \u20ac', 'Pagina'])\n"
            "ws.append([1001, '  Pasta  ', 'Pacco 500 g', 'Grano duro', 12.5, 3])\n"
            "ws.append(['B2', 'N' * 60, None, None, '12,50 \u20ac', None])\n"
            "ws.append([None, None, None, None, None, None])\n"
            "ws.append(['B3', None, None, None, 2, None])\n"
            "ws.append(['B4', 'Olio', None, None, None, None])\n"
            "ws.append(['B5', 'Vino', None, None, 'gratis', None])\n"
            "ws.append(['B6', 'Sale', None, None, -1, None])\n"
            "ws.append(['B7', 'Riso', None, None, '1.250,00', None])\n"
            "other = wb.create_sheet('Altro')\n"
            "other.append(['Nome', 'Prezzo'])\n"
            "other.append(['Sbagliato', 1])\n")));
        const exchange::ImportPlan plan = exchange::PlanImport(list);
        QCOMPARE(plan.rows.size(), size_t(3));
        const storage::ProductSlot pasta{QStringLiteral("1001"), QStringLiteral("Pasta"), QStringLiteral("Pacco 500 g"),
                                         QStringLiteral("Grano duro"), QStringLiteral("12,50")};
        QCOMPARE(plan.rows[0].slot, pasta);
        QCOMPARE(plan.rows[1].slot.nome, QString(50, u'N'));
        QCOMPARE(plan.rows[1].slot.prezzo, QStringLiteral("12,50"));
        QCOMPARE(plan.rows[2].slot.prezzo, QStringLiteral("1250,00"));
        QCOMPARE(plan.rows[2].line, 9);
        QCOMPARE(plan.skipped.size(), size_t(4));
        QCOMPARE(plan.skipped[0].line, 5);
        QVERIFY(plan.skipped[0].text.contains(QStringLiteral("nome")));
        QCOMPARE(plan.skipped[1].line, 6);
        QVERIFY(plan.skipped[1].text.contains(QStringLiteral("prezzo")));
        QCOMPARE(plan.skipped[2].line, 7);
        QCOMPARE(plan.skipped[3].line, 8);
        // A name of fifty wide letters runs past its printed box.
        QCOMPARE(plan.longTexts.size(), size_t(1));
        QCOMPARE(plan.longTexts[0].line, 3);
        const QString summary = exchange::PlanSummary(plan, 4);
        QVERIFY2(summary.contains(QStringLiteral("3 prodotti")) && summary.contains(QStringLiteral("pagina 4"))
                     && summary.contains(QStringLiteral("riga 6: manca il prezzo")),
                 qPrintable(summary));
    }

    // A bad file of each kind is refused before anything is written, with an Italian message.
    void refusesBadFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unclosed quote") << QStringLiteral("l.csv")
                                        << QByteArray("Nome;Prezzo\nPasta;1\n\"Olio;2\nVino;3\n")
                                        << QStringLiteral("virgolette");
        QTest::newRow("no price column") << QStringLiteral("l.csv") << QByteArray("Nome;Costo\nPasta;1\n")
                                         << QStringLiteral("colonna prezzo");
        QTest::newRow("no name nor price") << QStringLiteral("l.csv") << QByteArray("Codice\nA1\n")
                                           << QStringLiteral("colonna nome (o prodotto, descrizione) né la colonna prezzo");
        QTest::newRow("empty") << QStringLiteral("l.csv") << QByteArray() << QStringLiteral("vuoto");
        QTest::newRow("not a workbook") << QStringLiteral("l.xlsx") << QByteArray("Nome;Prezzo\n")
                                        << QStringLiteral("danneggiata");
        QTest::newRow("other kind") << QStringLiteral("l.ods") << QByteArray("x") << QStringLiteral(".csv o .xlsx");
    }
    void refusesBadFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        TestFolder folder;
        QVERIFY(WriteFile(folder.file(name), bytes));
        const QString message = Message([&] { exchange::PlanImport(folder.file(name)); });
        QVERIFY2(message.contains(expected), qPrintable(message));
    }

    void refusesTruncatedAndPriceLessWorkbooks()
    {
        TestFolder folder;
        const QString whole = folder.file(QStringLiteral("intero.xlsx"));
        QVERIFY(WriteWorkbook(whole, QStringLiteral("ws.append(['Nome', 'Prezzo'])\n"
                                                    "for i in range(2000): ws.append(['Prodotto %d' % i, i])\n")));
        const QByteArray bytes = ReadFile(whole);
        const QString cut = folder.file(QStringLiteral("troncato.xlsx"));
        QVERIFY(WriteFile(cut, bytes.left(bytes.size() / 2)));
        QVERIFY(Message([&] { exchange::PlanImport(cut); }).contains(QStringLiteral("troncato.xlsx")));

        const QString noPrice = folder.file(QStringLiteral("senza.xlsx"));
        QVERIFY(WriteWorkbook(noPrice, QStringLiteral("ws.append(['Nome', 'Aspetto'])\nws.append(['Pasta', 'g'])\n")));
        QVERIFY(Message([&] { exchange::PlanImport(noPrice); }).contains(QStringLiteral("colonna prezzo")));
    }

    // Eight rows a page after the last page, the last page partly filled as a new page
    // starts; every slot's photo stored at 366 x 274, the blank picture where there is none.
    void appendsPagesWithPhotos()
    {
        TestFolder folder;
        const exchange::ImportTarget target = Target(folder, QStringLiteral("Estate"));
        const storage::PageRecord first = Page({{QStringLiteral("X"), QStringLiteral("Primo"), QStringLiteral("u"),
                                                 QStringLiteral("c"), QStringLiteral("1,00")}});
        {
            storage::FlyerArchive archive(target.archivePath);
            archive.writePage(0, first);
        }
        QByteArray csv("Codice;Nome;Prezzo;Foto\n");
        for (int i = 1; i <= 10; ++i)
            csv += QStringLiteral("C%1;Prodotto %1;%1;\n").arg(i).toUtf8();
        csv += "C11;Con percorso;11;altre/undici.png\n";
        csv += "C12;Mancante;12;nessuna.jpg\n";
        csv += "C13;Rotta;13;\n";
        QVERIFY(WriteFile(folder.file(QStringLiteral("listino.csv")), csv));
        QVERIFY(SavePicture(folder.file(QStringLiteral("C1.jpg")), Qt::red));
        QVERIFY(SavePicture(folder.file(QStringLiteral("foto/c2.PNG")), Qt::green, {100, 100}, "png"));
        QVERIFY(SavePicture(folder.file(QStringLiteral("altre/undici.png")), Qt::blue));
        // A JPEG cut off after its header: found, but not a picture.
        QVERIFY(SavePicture(folder.file(QStringLiteral("intera.jpg")), Qt::yellow));
        QVERIFY(WriteFile(folder.file(QStringLiteral("C13.jpg")), ReadFile(folder.file(QStringLiteral("intera.jpg"))).left(400)));

        const exchange::ImportPlan plan = exchange::PlanImport(folder.file(QStringLiteral("listino.csv")));
        QCOMPARE(plan.pageCount(), qint64(2));
        QStringList missing;
        for (const exchange::RowNote& note : plan.missingPictures)
            missing << QString::number(note.line);
        // C3 to C10 have no picture, C12 names one that is not there.
        QCOMPARE(missing, QStringList({"4", "5", "6", "7", "8", "9", "10", "11", "13"}));

        const exchange::ImportResult result = exchange::ApplyImport(plan, target);
        QCOMPARE(result.firstPage, qint64(2));
        QCOMPARE(result.pages, qint64(2));
        QCOMPARE(result.unreadablePictures.size(), size_t(1));
        QCOMPARE(result.unreadablePictures[0].line, 14);

        const std::vector<storage::PageRecord> pages = Pages(target.archivePath);
        QCOMPARE(pages.size(), size_t(3));
        QCOMPARE(pages[0], first);
        QCOMPARE(pages[1].slots[7].nome, QStringLiteral("Prodotto 8"));
        QCOMPARE(pages[2].slots[4].nome, QStringLiteral("Rotta"));
        QCOMPARE(pages[2].slots[5], editor::FlyerPages::NewPage().slots[5]);

        const auto photo = [&](QChar letter, int page) {
            return storage::LoadPhoto(storage::SlotPhotoPath(target.photoFolder, target.title, letter, QString::number(page)));
        };
        const QImage blank = *photo(u'H', 3);
        QCOMPARE(blank.size(), QSize(storage::kPhotoWidth, storage::kPhotoHeight));
        QVERIFY(qRed(photo(u'A', 2)->pixel(100, 100)) > 200);
        QVERIFY(qGreen(photo(u'B', 2)->pixel(100, 100)) > 200);
        QVERIFY(qBlue(photo(u'C', 3)->pixel(100, 100)) > 200);
        QCOMPARE(*photo(u'C', 2), blank); // no picture for C3
        QCOMPARE(*photo(u'E', 3), blank); // the cut-off C13.jpg
        QVERIFY(!photo(u'A', 4));
        QVERIFY(exchange::ResultText(result).contains(QStringLiteral("riga 14")));
    }

    // Export to both kinds of list, import each into a new flyer: the same archive both times,
    // the same pages as the flyer they came from, the photos found again by article code.
    void listRoundTrip()
    {
        TestFolder folder;
        std::vector<storage::PageRecord> original;
        for (int p = 0; p < 3; ++p) {
            storage::PageRecord page = editor::FlyerPages::NewPage();
            for (int s = 0; s < (p == 2 ? 3 : 8); ++s)
                page.slots[size_t(s)] = {QStringLiteral("P%1%2").arg(p).arg(s), QStringLiteral("Caffè \"%1\"; n. %2").arg(p).arg(s),
                                         QStringLiteral("Pacco da 250 g"), QStringLiteral("Arabica, tostato; %1").arg(s),
                                         QStringLiteral("%1,%2").arg(p * 10 + s).arg(s * 11, 2, 10, QLatin1Char('0'))};
            original.push_back(page);
        }
        original[1].slots[4].caratteristiche.clear();
        {
            storage::FlyerArchive archive(folder.file(QStringLiteral("Origine.lis")));
            for (size_t i = 0; i < original.size(); ++i)
                archive.writePage(qint64(i), original[i]);
        }
        const QByteArray originalBytes = ReadFile(folder.file(QStringLiteral("Origine.lis")));
        const exchange::FlyerPagesSnapshot flyer = exchange::ReadFlyer(
            folder.file(QStringLiteral("Origine.lis")), QStringLiteral("Origine"), folder.file(QStringLiteral("Foto_Listino")));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("uscita/foto")));
        QVERIFY(SavePicture(folder.file(QStringLiteral("uscita/foto/P00.jpg")), Qt::red));
        QVERIFY(SavePicture(folder.file(QStringLiteral("uscita/p21.jpeg")), Qt::blue));

        QByteArray firstCopy;
        for (const char* kind : {"xlsx", "csv"}) {
            const QString list = folder.file(QStringLiteral("uscita/listino.") + QLatin1String(kind));
            QCOMPARE(exchange::ExportList(flyer, list), qint64(19));
            const QString title = QStringLiteral("Copia_") + QLatin1String(kind);
            const exchange::ImportPlan plan = exchange::PlanImport(list);
            QVERIFY2(plan.skipped.empty(), qPrintable(exchange::PlanSummary(plan, 1)));
            exchange::ApplyImport(plan, Target(folder, title));
            const QByteArray copy = ReadFile(folder.file(title + QStringLiteral(".lis")));
            QCOMPARE(copy, originalBytes);
            if (!firstCopy.isEmpty())
                QCOMPARE(copy, firstCopy);
            firstCopy = copy;
            const auto photo = [&](QChar letter, int page) {
                return *storage::LoadPhoto(storage::SlotPhotoPath(folder.file(QStringLiteral("Foto_Listino")), title, letter,
                                                                 QString::number(page)));
            };
            QVERIFY(qRed(photo(u'A', 1).pixel(50, 50)) > 200);
            QVERIFY(qBlue(photo(u'B', 3).pixel(50, 50)) > 200);
        }
        // The CSV opens right in spreadsheet programs set up for Italy.
        QVERIFY(ReadFile(folder.file(QStringLiteral("uscita/listino.csv"))).startsWith("\xEF\xBB\xBF\"Pagina\";"));
    }

    // A cancel part-way takes back the photos already written, the older ones of those
    // names included, and leaves the archive as it was.
    void cancelPartWayLeavesEverythingAsItWas()
    {
        TestFolder folder;
        const exchange::ImportTarget target = Target(folder, QStringLiteral("Fiera"));
        {
            storage::FlyerArchive archive(target.archivePath);
            archive.writePage(0, Page({}));
        }
        // An old photo of the page the import will make.
        QVERIFY(SavePicture(storage::SlotPhotoPath(target.photoFolder, target.title, u'B', QStringLiteral("2")), Qt::red));
        QByteArray csv("Nome;Prezzo\n");
        for (int i = 0; i < 400; ++i)
            csv += "Prodotto;1\n";
        QVERIFY(WriteFile(folder.file(QStringLiteral("l.csv")), csv));
        const exchange::ImportPlan plan = exchange::PlanImport(folder.file(QStringLiteral("l.csv")));
        const auto before = FolderState(folder.path());

        qint64 seen = 0;
        bool cancelled = false;
        try {
            exchange::ApplyImport(plan, target, [&](qint64 done, qint64) {
                seen = done;
                return done < 100;
            });
        } catch (const exchange::Cancelled&) {
            cancelled = true;
        }
        QVERIFY(cancelled);
        QVERIFY(seen >= 100 && seen < 400);
        QCOMPARE(FolderState(folder.path()), before);
        // And a cancel while reading the list writes nothing at all.
        QVERIFY_THROWS_EXCEPTION(exchange::Cancelled,
                                 exchange::PlanImport(folder.file(QStringLiteral("l.csv")), [](qint64, qint64) { return false; }));
    }

    // The disk fills up part-way: the import says so and takes back what it wrote.
    void diskFullLeavesEverythingAsItWas()
    {
        TestFolder folder;
        const QString disk = folder.file(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(disk));
        testing::SmallDisk small(disk, 1024);
        if (!small.mounted())
            QSKIP("mounting a tmpfs needs root");
        const exchange::ImportTarget target{disk + QStringLiteral("/Pieno.lis"), disk + QStringLiteral("/Foto_Listino"),
                                            QStringLiteral("Pieno")};
        {
            storage::FlyerArchive archive(target.archivePath);
            archive.writePage(0, Page({}));
        }
        QVERIFY(SavePicture(storage::SlotPhotoPath(target.photoFolder, target.title, u'A', QStringLiteral("1")), Qt::red));
        QByteArray csv("Nome;Prezzo;Codice\n");
        for (int i = 0; i < 300; ++i)
            csv += QStringLiteral("Prodotto %1;1;K%1\n").arg(i).toUtf8();
        QVERIFY(WriteFile(folder.file(QStringLiteral("l.csv")), csv));
        // Photos of noise, so that each takes room on the disk.
        for (int i = 0; i < 300; i += 37) {
            QImage noise(366, 274, QImage::Format_RGB32);
            for (int y = 0; y < noise.height(); ++y)
                for (int x = 0; x < noise.width(); ++x)
                    noise.setPixel(x, y, qRgb((x * 7 + i) % 256, (y * 13) % 256, (x * y + i) % 256));
            QVERIFY(noise.save(folder.file(QStringLiteral("K%1.jpg").arg(i)), nullptr, 100));
        }
        const exchange::ImportPlan plan = exchange::PlanImport(folder.file(QStringLiteral("l.csv")));
        small.fillLeaving(40);
        const auto before = FolderState(disk);
        const QString message = Message([&] { exchange::ApplyImport(plan, target); });
        QVERIFY2(message.contains(QStringLiteral("rimasti come prima")), qPrintable(message));
        QCOMPARE(FolderState(disk), before);
    }

    // Another process holds the archive: the import waits its time, then gives up untouched.
    void archiveLockedByAnotherProcess()
    {
        TestFolder folder;
        exchange::ImportTarget target = Target(folder, QStringLiteral("Chiuso"));
        {
            storage::FlyerArchive archive(target.archivePath);
            archive.writePage(0, Page({}));
        }
        QVERIFY(WriteFile(folder.file(QStringLiteral("l.csv")), "Nome;Prezzo\nPasta;1\n"));
        const exchange::ImportPlan plan = exchange::PlanImport(folder.file(QStringLiteral("l.csv")));
        QProcess holder;
        holder.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import fcntl, sys, time\nf = open(sys.argv[1], 'r+b')\nfcntl.lockf(f, fcntl.LOCK_EX)\n"
                                     "print('preso', flush=True)\ntime.sleep(30)\n"),
                      target.archivePath});
        QVERIFY(holder.waitForReadyRead(10000));
        const auto before = FolderState(folder.path());
        target.lockTimeoutMs = 300;
        const QString message = Message([&] { exchange::ApplyImport(plan, target); });
        holder.kill();
        holder.waitForFinished();
        QVERIFY2(message.contains(QStringLiteral("in uso da un'altra copia")), qPrintable(message));
        QCOMPARE(FolderState(folder.path()), before);
    }
};

VETRINALIA_TEST(ImportTest)
#include "ImportTest.moc"
