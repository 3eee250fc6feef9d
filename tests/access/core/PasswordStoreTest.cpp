#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "FileSizeLimit.h"

#include "access/Crypt.h"
#include "access/IniFile.h"
#include "access/PasswordStore.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace login;

class PasswordStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unreadableFilesReadEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("empty file") << QByteArray("") << false;
        QTest::newRow("folder named unins000.dll") << QByteArray() << true;
        QTest::newRow("no section") << QByteArray("[Altro]\r\nValore=625C\r\n") << false;
        QTest::newRow("no key") << QByteArray("[Accesso]\r\nAltro=625C\r\n") << false;
        QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n") << false;
    }
    void unreadableFilesReadEmpty()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        testing::TestFolder programFolder;
        if (folder)
            QVERIFY(QDir().mkpath(PasswordFilePath()));
        else if (!content.isNull())
            QVERIFY(testing::WriteFile(PasswordFilePath(), content));
        QCOMPARE(ReadStoredPassword(), QString());
        QVERIFY(!PasswordMatches(QStringLiteral(" "), ReadStoredPassword()));
        QVERIFY(!PasswordMatches(QString(), ReadStoredPassword()));
    }

    void matchIgnoresAsciiCaseAndSurroundingBlanksOnly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("lower case") << "chiaveiniziale"
                                    << "chiaveiniziale" << true;
        QTest::newRow("mixed case and blanks") << "chiaveiniziale"
                                               << " \tChIaVeInIzIaLe  " << true;
        QTest::newRow("inner blank counts") << "chiave iniziale"
                                            << "chiaveiniziale" << false;
        QTest::newRow("inner blank kept") << "  chiave iniziale "
                                          << "CHIAVE INIZIALE" << true;
        QTest::newRow("accented capital differs") << "caffè"
                                                  << "CAFFÈ" << false;
        QTest::newRow("accented as typed") << "caffè"
                                           << "Caffè" << true;
        QTest::newRow("other password") << "chiaveiniziale"
                                        << "chiave" << false;
    }
    void matchIgnoresAsciiCaseAndSurroundingBlanksOnly()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        testing::TestFolder programFolder;
        QVERIFY(testing::WriteFile(PasswordFilePath(), "[Accesso]\r\n"));
        WriteStoredPassword(stored);
        QCOMPARE(PasswordMatches(typed, ReadStoredPassword()), matches);
    }

    void writeStoresUpperCaseTrimmedAndKeepsTheRest()
    {
        testing::TestFolder programFolder;
        const QByteArray before = QByteArrayLiteral("; installato\r\n[Setup]\r\nLingua=IT\r\n\r\n[accesso]\r\n"
                                                    "valore = 00\r\nAltro=x\r\n");
        QVERIFY(testing::WriteFile(PasswordFilePath(), before));
        WriteStoredPassword(QStringLiteral("  chiaveiniziale "));
        QByteArray expected = before;
        expected.replace("valore = 00", "Valore=625C4836C8BD4B666456F1B4244F");
        QCOMPARE(testing::ReadFile(PasswordFilePath()), expected);
        QCOMPARE(ReadStoredPassword(), QStringLiteral("CHIAVEINIZIALE"));
    }

    void writeRefusesWhatCouldNeverMatch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("blank") << "   ";
        QTest::newRow("256 characters") << QString(256, QLatin1Char('a'));
        QTest::newRow("beyond U+00FF") << QStringLiteral("euro\u20AC");
    }
    void writeRefusesWhatCouldNeverMatch()
    {
        QFETCH(QString, typed);
        testing::TestFolder programFolder;
        const QByteArray before = QByteArrayLiteral("[Accesso]\nValore=625C4836C8BD4B666456F1B4244F\n");
        QVERIFY(testing::WriteFile(PasswordFilePath(), before));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, WriteStoredPassword(typed));
        QCOMPARE(testing::ReadFile(PasswordFilePath()), before);
    }

    void undecodableValueFails()
    {
        testing::TestFolder programFolder;
        QVERIFY(testing::WriteFile(PasswordFilePath(), "[Accesso]\nValore=62ZZ\n"));
        QVERIFY_THROWS_EXCEPTION(ConversionError, ReadStoredPassword());
    }

    // A write that cannot complete (a full disk, here a file size limit) or that meets a
    // folder in the file's place leaves everything as it was.
    void failedWriteLeavesTheOldFile()
    {
        testing::TestFolder programFolder;
        const QByteArray before = QByteArrayLiteral("[Accesso]\nValore=6094\n");
        QVERIFY(testing::WriteFile(PasswordFilePath(), before));
        {
            testing::FileSizeLimit limit(before.size() + 4);
            QVERIFY_THROWS_EXCEPTION(IniWriteError, WriteStoredPassword(QStringLiteral("una nuova password")));
        }
        QCOMPARE(testing::ReadFile(PasswordFilePath()), before);
        QCOMPARE(QDir(programFolder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("unins000.dll")});
        QCOMPARE(ReadStoredPassword(), QStringLiteral("AB"));

        QVERIFY(QFile::remove(PasswordFilePath()));
        QVERIFY(QDir().mkpath(PasswordFilePath()));
        QVERIFY_THROWS_EXCEPTION(IniWriteError, WriteStoredPassword(QStringLiteral("nuova")));
        QVERIFY(QFileInfo(PasswordFilePath()).isDir());
        QVERIFY(QDir(PasswordFilePath()).isEmpty());
    }

    void toolWritesTheInitialPasswordOnlyWhereMissing()
    {
        testing::TestFolder programFolder;
        const QString target = programFolder.path() + QStringLiteral("nuova installazione");
        QCOMPARE(QProcess::execute(QStringLiteral(VETRINALIA_PASSWORD_TOOL), {target}), 0);
        const QString file = target + QStringLiteral("/unins000.dll");
        QCOMPARE(ReadIniString(file, QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 EncodePassword(QStringLiteral("CHIAVEINIZIALE")));
        QCOMPARE(DecodePassword(ReadIniString(file, QStringLiteral("Accesso"), QStringLiteral("Valore"))),
                 QStringLiteral("CHIAVEINIZIALE"));

        const QByteArray changed = QByteArrayLiteral("[Accesso]\r\nValore=6094\r\n");
        QVERIFY(testing::WriteFile(file, changed));
        QCOMPARE(QProcess::execute(QStringLiteral(VETRINALIA_PASSWORD_TOOL), {target}), 0);
        QCOMPARE(testing::ReadFile(file), changed);
    }

    // The program folder laid out by the build opens with the initial password.
    void buildsProgramFolderHoldsThePasswordFile()
    {
        const QString file = QStringLiteral(VETRINALIA_PROGRAM_DIR "/unins000.dll");
        QVERIFY(QFileInfo(file).isFile());
        const QString value = ReadIniString(file, QStringLiteral("Accesso"), QStringLiteral("Valore"));
        QVERIFY(!value.isEmpty());
        QVERIFY(DecodePassword(value).size() > 0);
    }
};

VETRINALIA_TEST(PasswordStoreTest)
#include "PasswordStoreTest.moc"
