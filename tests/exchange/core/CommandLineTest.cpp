// vetrinalia-pdf's pictures, page ranges and import, run as a shop would run them.
#include "editor/FlyerPages.h"
#include "storage/FlyerArchive.h"

#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

namespace {

const QString kTool = QStringLiteral(VETRINALIA_PROGRAM_DIR "/vetrinalia-pdf");

struct Run {
    int exitCode = -1;
    QString output;
    QString errors;
};

Run RunTool(const QStringList& arguments)
{
    QProcess process;
    process.start(kTool, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void MakeArchive(const QString& path, int pages)
{
    storage::FlyerArchive archive(path);
    for (int p = 0; p < pages; ++p) {
        storage::PageRecord page = editor::FlyerPages::NewPage();
        page.slots[0].nome = QStringLiteral("Pagina %1").arg(p + 1);
        archive.writePage(p, page);
    }
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picturesOfAPageRange()
    {
        TestFolder folder;
        MakeArchive(folder.file(QStringLiteral("Saldi.lis")), 6);
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("png"))));
        const Run run = RunTool({folder.file(QStringLiteral("Saldi.lis")), QStringLiteral("--png"),
                                 folder.file(QStringLiteral("png")), QStringLiteral("--pages"), QStringLiteral("3-5")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QDir(folder.file(QStringLiteral("png"))).entryList(QDir::Files),
                 QStringList({"Saldi_3.png", "Saldi_4.png", "Saldi_5.png"}));
        QCOMPARE(QImage(folder.file(QStringLiteral("png/Saldi_4.png"))).size(), QSize(1240, 1754));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %1 is the test folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty flyer") << QStringList{"%1Vuoto.lis", "%1out.pdf"} << 1 << "non contiene nessuna scheda";
        QTest::newRow("empty flyer, pictures") << QStringList{"%1Vuoto.lis", "--png", "%1"} << 1
                                               << "non contiene nessuna scheda";
        QTest::newRow("pages outside") << QStringList{"%1Due.lis", "%1out.pdf", "--pages", "2-3"} << 1
                                       << "ha 2 schede";
        QTest::newRow("bad range") << QStringList{"%1Due.lis", "%1out.pdf", "--pages", "tre"} << 2
                                   << "intervallo di pagine non valido";
        QTest::newRow("unknown option") << QStringList{"%1Due.lis", "--colori"} << 2 << "--help";
        QTest::newRow("list without prices") << QStringList{"%1Due.lis", "--import", "%1senza.csv"} << 1
                                             << "colonna prezzo";
        QTest::newRow("nothing to import") << QStringList{"%1Due.lis", "--import", "%1vuoto.csv"} << 1 << "";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestFolder folder;
        QVERIFY(WriteFile(folder.file(QStringLiteral("Vuoto.lis")), {}));
        MakeArchive(folder.file(QStringLiteral("Due.lis")), 2);
        QVERIFY(WriteFile(folder.file(QStringLiteral("senza.csv")), "Nome;Costo\nPasta;1\n"));
        QVERIFY(WriteFile(folder.file(QStringLiteral("vuoto.csv")), "Nome;Prezzo\n;\n"));
        const QByteArray before = ReadFile(folder.file(QStringLiteral("Due.lis")));
        for (QString& argument : arguments)
            argument.replace(QStringLiteral("%1"), folder.path());
        const Run run = RunTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.pdf"), QStringLiteral("*.png")}, QDir::Files),
                 QStringList());
        QCOMPARE(ReadFile(folder.file(QStringLiteral("Due.lis"))), before);
    }

    void importsAndSummarises()
    {
        TestFolder folder;
        MakeArchive(folder.file(QStringLiteral("Due.lis")), 2);
        QByteArray csv("Nome;Prezzo\n");
        for (int i = 0; i < 9; ++i)
            csv += "Pane;1,2\n";
        csv += "Vino;\n";
        QVERIFY(WriteFile(folder.file(QStringLiteral("l.csv")), csv));
        const Run run = RunTool({folder.file(QStringLiteral("Due.lis")), QStringLiteral("--import"), folder.file(QStringLiteral("l.csv"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.contains(QStringLiteral("9 prodotti in 2 pagine nuove (pagine da 3 a 4)"))
                     && run.output.contains(QStringLiteral("riga 11: manca il prezzo")),
                 qPrintable(run.output));
        QCOMPARE(ReadFile(folder.file(QStringLiteral("Due.lis"))).size(), 4 * storage::kPageRecordSize);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("Foto_Listino/Due_Foto_H_4.jpg"))));

        const Run help = RunTool({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.output.contains(QStringLiteral("--import LISTINO")));
    }
};

VETRINALIA_TEST(CommandLineTest)
#include "CommandLineTest.moc"
