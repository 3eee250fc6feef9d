#include "catalog/FlyerCatalog.h"

#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

class FlyerCatalogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsOnlyTopLevelArchivesSorted()
    {
        TestFolder folder;
        for (const char* name : {"zeta.lis", "Estate.lis", "autunno.lis", "Inverno.lis", "note.txt", "foto.jpg", "lis",
                                 "estate.lis.bak", ".nascosto.lis"})
            QVERIFY(WriteFile(folder.file(QString::fromLatin1(name)), {}));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Foto_Listino")));
        QVERIFY(WriteFile(folder.file(QStringLiteral("Foto_Listino/sotto.lis")), {}));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("cartella.lis")));
        // A link to nowhere is no archive.
        QVERIFY(QFile::link(folder.file(QStringLiteral("manca.txt")), folder.file(QStringLiteral("rotto.lis"))));

        QCOMPARE(
            catalog::ListFlyers(),
            QStringList({QStringLiteral(".nascosto.lis"), QStringLiteral("autunno.lis"), QStringLiteral("Estate.lis"),
                         QStringLiteral("Inverno.lis"), QStringLiteral("zeta.lis")}));
    }

    void emptyOrMissingFolderListsNothing()
    {
        TestFolder folder;
        QVERIFY(catalog::ListFlyers().isEmpty());
        QVERIFY(catalog::ListFlyers(folder.path() + QStringLiteral("manca/")).isEmpty());
    }

    void listsTenThousandFlyers()
    {
        TestFolder folder;
        for (int i = 9999; i >= 0; --i)
            QVERIFY(WriteFile(folder.file(QStringLiteral("v%1.lis").arg(i, 5, 10, QLatin1Char('0'))), {}));
        const QStringList names = catalog::ListFlyers();
        QCOMPARE(names.size(), 10000);
        QCOMPARE(names.first(), QStringLiteral("v00000.lis"));
        QCOMPARE(names.last(), QStringLiteral("v09999.lis"));
        QVERIFY(std::is_sorted(names.cbegin(), names.cend()));
    }

    void countLineKeepsThePlural_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QStringLiteral("Sono stati creati 0 volantini offerte.");
        QTest::newRow("one") << 1 << QStringLiteral("Sono stati creati 1 volantini offerte.");
        QTest::newRow("several") << 12 << QStringLiteral("Sono stati creati 12 volantini offerte.");
    }

    void countLineKeepsThePlural()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(catalog::CountLineText(count), text);
    }

    void entryPathsAndTitles()
    {
        TestFolder folder;
        QCOMPARE(catalog::EntryPath(QStringLiteral("Estate.lis")), folder.path() + QStringLiteral("Estate.lis"));
        QCOMPARE(catalog::FlyerTitle(QStringLiteral("Estate.lis")), QStringLiteral("Estate"));
        QCOMPARE(catalog::FlyerTitle(QStringLiteral(".lis")), QString());
        QCOMPARE(catalog::NewFlyerPath(QStringLiteral("Estate.lis")), folder.path() + QStringLiteral("Estate.lis.lis"));
    }

    void forbiddenNameCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("forbidden");
        QTest::newRow("plain") << QStringLiteral("Offerte di primavera") << false;
        QTest::newRow("accents and bar") << QStringLiteral("Però è|così") << false;
        QTest::newRow("dots") << QStringLiteral("..") << false;
        QTest::newRow("parent") << QStringLiteral("../x") << true;
        QTest::newRow("slash") << QStringLiteral("a/b") << true;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << true;
        QTest::newRow("tab") << QStringLiteral("a\tb") << true;
        QTest::newRow("nul") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << true;
    }

    void forbiddenNameCharacters()
    {
        QFETCH(QString, name);
        QFETCH(bool, forbidden);
        QCOMPARE(catalog::HasForbiddenNameCharacters(name), forbidden);
    }

    void createsAnEmptyFileAndNeverTouchesAnExistingOne()
    {
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        QCOMPARE(catalog::CreateEmptyFlyer(path), catalog::CreateResult::Created);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).size(), 0);

        QVERIFY(WriteFile(path, QByteArray(3696, 'x')));
        QCOMPARE(catalog::CreateEmptyFlyer(path), catalog::CreateResult::AlreadyExists);
        QCOMPARE(ReadFile(path), QByteArray(3696, 'x'));

        // A folder in the way is no flyer: the file cannot be created, as for any other
        // reason the system gives.
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Cartella.lis")));
        QVERIFY_THROWS_EXCEPTION(catalog::FileCreateError,
                                 catalog::CreateEmptyFlyer(folder.file(QStringLiteral("Cartella.lis"))));
        try {
            catalog::CreateEmptyFlyer(folder.file(QStringLiteral("Cartella.lis")));
        } catch (const catalog::FileCreateError& failure) {
            QCOMPARE(failure.errorNumber(), EISDIR);
        }
        QVERIFY(QDir(folder.file(QStringLiteral("Cartella.lis"))).isEmpty());
        // A dangling link in the way counts as a name already used.
        QVERIFY(QFile::link(folder.file(QStringLiteral("manca")), folder.file(QStringLiteral("Link.lis"))));
        QCOMPARE(catalog::CreateEmptyFlyer(folder.file(QStringLiteral("Link.lis"))),
                 catalog::CreateResult::AlreadyExists);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("manca"))));
    }

    void createFailureCarriesTheSystemErrorNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("error");
        QTest::newRow("name too long") << QString(250, QChar(0xE0)) + QStringLiteral(".lis") << ENAMETOOLONG;
        QTest::newRow("missing folder") << QStringLiteral("manca/Estate.lis") << ENOENT;
        QTest::newRow("file as folder") << QStringLiteral("file/Estate.lis") << ENOTDIR;
    }

    void createFailureCarriesTheSystemErrorNumber()
    {
        QFETCH(QString, name);
        QFETCH(int, error);
        TestFolder folder;
        QVERIFY(WriteFile(folder.file(QStringLiteral("file")), "x"));
        try {
            catalog::CreateEmptyFlyer(folder.file(name));
            QFAIL("no error");
        } catch (const catalog::FileCreateError& failure) {
            QCOMPARE(failure.errorNumber(), error);
            QCOMPARE(QString::fromLatin1(failure.what()), QStringLiteral("I/O error %1").arg(error));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("file")});
    }

    void deleteRemovesOnlyTheArchive()
    {
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        QVERIFY(WriteFile(path, QByteArray(3696, 0)));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Foto_Listino")));
        const QString photo = folder.file(QStringLiteral("Foto_Listino/Estate_Foto_A_1.jpg"));
        QVERIFY(WriteFile(photo, "jpeg"));

        QVERIFY(catalog::DeleteFlyer(path));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(QFileInfo::exists(photo));
        // Already gone, or a folder of that name: told as a failure.
        QVERIFY(!catalog::DeleteFlyer(path));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Cartella.lis")));
        QVERIFY(!catalog::DeleteFlyer(folder.file(QStringLiteral("Cartella.lis"))));
        QVERIFY(QFileInfo(folder.file(QStringLiteral("Cartella.lis"))).isDir());
    }
};

VETRINALIA_TEST(FlyerCatalogTest)
#include "FlyerCatalogTest.moc"
