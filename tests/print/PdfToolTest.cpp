// vetrinalia-pdf as the shop runs it: a real archive and photos in, one PDF out.

#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

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

// pdftotext joins runs of spaces differently per version; compare words.
QString Words(const QString& text)
{
    return text.simplified();
}

} // namespace

class PdfToolTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void threePagesInOrder();
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

    // The look: page 2 carries the photo of slot A, the blank badge elsewhere.
    Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                         QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                         QStringLiteral("2"), pdf, QStringLiteral(VETRINALIA_BINARY_DIR "/look/pdf")});
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

    const Run run = RunTool({folder.file(archive), folder.file(output)});
    QVERIFY(run.exitCode > 0);
    message.replace(QStringLiteral("%1"), folder.file(archive)).replace(QStringLiteral("%2"), folder.file(output));
    QCOMPARE(ToolMessages(run.errors), QStringList{QStringLiteral("vetrinalia-pdf: ") + message});
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("out.pdf"))));
    QCOMPARE(testing::ReadFile(folder.file(QStringLiteral("Pieno.lis"))), full);

    QCOMPARE(RunTool({folder.file(QStringLiteral("Pieno.lis"))}).exitCode, 2);
}

VETRINALIA_TEST(PdfToolTest)
#include "PdfToolTest.moc"
