#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "access/IniFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using login::IniWriteError;
namespace ini = login::ini;

namespace {

const QByteArray kRichFile = QByteArrayLiteral(
    "; password file\r\n"
    "[Generale]\r\n"
    "Valore=altro\r\n"
    "\r\n"
    "  [ accesso ]  \r\n"
    "; the scrambled password\r\n"
    "  VALORE  =   625C  \r\n"
    "Altro = 1\r\n"
    "\r\n"
    "[Fine]\r\n"
    "x=y");

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("names in any case, blanks ignored") << kRichFile << "ACCESSO" << "valore" << "625C";
        QTest::newRow("same key in another section") << kRichFile << "Generale" << "Valore" << "altro";
        QTest::newRow("blank-padded names asked for") << kRichFile << " Accesso " << " Altro " << "1";
        QTest::newRow("last line without ending") << kRichFile << "fine" << "X" << "y";
        QTest::newRow("missing key") << kRichFile << "Accesso" << "Manca" << "";
        QTest::newRow("missing section") << kRichFile << "Manca" << "Valore" << "";
        QTest::newRow("empty text") << QByteArray() << "Accesso" << "Valore" << "";
        QTest::newRow("key before any section")
            << QByteArray("Valore=1\n[Accesso]\n") << "Accesso" << "Valore" << "";
        QTest::newRow("LF endings") << QByteArray("[Accesso]\nValore=AB\n") << "Accesso" << "Valore" << "AB";
        QTest::newRow("CR endings") << QByteArray("[A]\rk=1\r[Accesso]\rValore=CD\r") << "Accesso" << "Valore"
                                    << "CD";
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[Accesso]\nValore=EF\n") << "Accesso" << "Valore"
                                    << "EF";
        QTest::newRow("first of two keys") << QByteArray("[Accesso]\nValore=1\nValore=2\n") << "Accesso"
                                           << "Valore" << "1";
        QTest::newRow("quoted value") << QByteArray("[Accesso]\nValore=\" AB \"\n") << "Accesso" << "Valore"
                                      << " AB ";
        QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << "Accesso" << "Valore" << "";
        QTest::newRow("commented key") << QByteArray("[Accesso]\n;Valore=1\n") << "Accesso" << "Valore" << "";
        QTest::newRow("unclosed header") << QByteArray("[Accesso\nValore=1\n") << "Accesso" << "Valore" << "";
        QTest::newRow("header up to its first bracket")
            << QByteArray("[Accesso] ; nota [x]\nValore=12\n") << "Accesso" << "Valore" << "12";
        QTest::newRow("not the text up to the last bracket")
            << QByteArray("[Accesso] ; nota [x]\nValore=12\n") << "Accesso] ; nota [x" << "Valore" << "";
        QTest::newRow("text after the bracket") << QByteArray("[ Accesso ]x\nValore=34\n") << "Accesso" << "Valore"
                                                << "34";
        QTest::newRow("value with equals sign") << QByteArray("[Accesso]\nValore=a=b\n") << "Accesso" << "Valore"
                                                << "a=b";
    }
    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(ini::ReadValue(text, section, key), value);
    }

    void writeReplacesOnlyTheKeysLine()
    {
        const QByteArray written = ini::WriteValue(kRichFile, QStringLiteral("Accesso"), QStringLiteral("Valore"),
                                                   QStringLiteral("ABCD"));
        QByteArray expected = kRichFile;
        expected.replace("  VALORE  =   625C  \r\n", "Valore=ABCD\r\n");
        QCOMPARE(written, expected);
        QCOMPARE(ini::ReadValue(written, QStringLiteral("accesso"), QStringLiteral("valore")), QStringLiteral("ABCD"));
    }

    void writeAdds_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("key after the section's last key, CRLF")
            << QByteArray("[Accesso]\r\nAltro=1\r\n\r\n; note\r\n[Fine]\r\n")
            << QByteArray("[Accesso]\r\nAltro=1\r\nValore=AB\r\n\r\n; note\r\n[Fine]\r\n");
        QTest::newRow("key after a header without keys, LF")
            << QByteArray("[Accesso]\n; nothing yet\n[Fine]\n")
            << QByteArray("[Accesso]\nValore=AB\n; nothing yet\n[Fine]\n");
        QTest::newRow("key after a last line without ending")
            << QByteArray("[Accesso]\nAltro=1") << QByteArray("[Accesso]\nAltro=1\nValore=AB\n");
        QTest::newRow("section at the end, CRLF")
            << QByteArray("[Generale]\r\nx=1\r\n") << QByteArray("[Generale]\r\nx=1\r\n[Accesso]\r\nValore=AB\r\n");
        QTest::newRow("section after a last line without ending")
            << QByteArray("[Generale]\nx=1") << QByteArray("[Generale]\nx=1\n[Accesso]\nValore=AB\n");
        QTest::newRow("section into an empty text") << QByteArray() << QByteArray("[Accesso]\r\nValore=AB\r\n");
        QTest::newRow("mixed endings keep the blank line after the key")
            << QByteArray("[Accesso]\ra=1\n\n[Fine]\n")
            << QByteArray("[Accesso]\ra=1\nValore=AB\n\n[Fine]\n");
        QTest::newRow("first of two sections of the name")
            << QByteArray("[Accesso]\na=1\n[Accesso]\nValore=00\n")
            << QByteArray("[Accesso]\na=1\nValore=AB\n[Accesso]\nValore=00\n");
        QTest::newRow("header with a note after its bracket")
            << QByteArray("[Accesso] ; nota [x]\r\n") << QByteArray("[Accesso] ; nota [x]\r\nValore=AB\r\n");
    }
    void writeAdds()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(ini::WriteValue(before, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("AB")),
                 after);
    }

    void writeRefusesWhatCannotBeOneLine_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line break in value") << "Accesso" << "Valore" << "a\nb";
        QTest::newRow("carriage return in section") << "Acc\resso" << "Valore" << "a";
        QTest::newRow("equals sign in key") << "Accesso" << "Val=ore" << "a";
        QTest::newRow("blank key") << "Accesso" << "  " << "a";
    }
    void writeRefusesWhatCannotBeOneLine()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QVERIFY_THROWS_EXCEPTION(IniWriteError, ini::WriteValue(kRichFile, section, key, value));
    }

    // Whatever the bytes, reading never fails, a write is read back, and every line of the
    // old text survives in order.
    void anyBytes()
    {
        QRandomGenerator random(20261210);
        const QByteArray alphabet = QByteArrayLiteral("[]=; \t\r\n\r\nAaccessoVALOREvalore\xEF\xBB\xBF\x00\xFF\"'");
        for (int round = 0; round < 3000; ++round) {
            QByteArray text;
            const int size = random.bounded(60);
            for (int i = 0; i < size; ++i)
                text += random.bounded(4) == 0 ? char(random.bounded(256))
                                               : alphabet.at(random.bounded(int(alphabet.size())));
            ini::ReadValue(text, QStringLiteral("Accesso"), QStringLiteral("Valore"));
            const QByteArray written =
                ini::WriteValue(text, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("0A1B"));
            QCOMPARE(ini::ReadValue(written, QStringLiteral("ACCESSO"), QStringLiteral("VALORE")),
                     QStringLiteral("0A1B"));
            QCOMPARE(ini::WriteValue(written, QStringLiteral("Accesso"), QStringLiteral("Valore"),
                                     QStringLiteral("0A1B")),
                     written);
            // Apart from one stretch, the old text is there byte for byte; that stretch of
            // the old text lies within one line and the new one holds the key line.
            qsizetype prefix = 0;
            const qsizetype shorter = qMin(text.size(), written.size());
            while (prefix < shorter && text.at(prefix) == written.at(prefix))
                ++prefix;
            qsizetype suffix = 0;
            while (suffix < shorter - prefix
                   && text.at(text.size() - 1 - suffix) == written.at(written.size() - 1 - suffix))
                ++suffix;
            const QByteArray removed = text.mid(prefix, text.size() - prefix - suffix);
            QVERIFY2(!removed.contains('\n') && !removed.contains('\r'), text.toPercentEncoding().constData());
        }
    }

    void files()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("profilo.ini"));
        QCOMPARE(login::ReadIniString(path, QStringLiteral("Accesso"), QStringLiteral("Valore")), QString());

        QVERIFY(testing::WriteFile(path, kRichFile));
        QCOMPARE(login::ReadIniString(path, QStringLiteral("Accesso"), QStringLiteral("Valore")),
                 QStringLiteral("625C"));
        login::WriteIniString(path, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("ABCD"));
        QByteArray expected = kRichFile;
        expected.replace("  VALORE  =   625C  \r\n", "Valore=ABCD\r\n");
        QCOMPARE(testing::ReadFile(path), expected);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("profilo.ini")});

        // A folder in the way reads empty and is not written.
        const QString folderPath = folder.file(QStringLiteral("cartella.ini"));
        QVERIFY(QDir().mkpath(folderPath));
        QCOMPARE(login::ReadIniString(folderPath, QStringLiteral("Accesso"), QStringLiteral("Valore")), QString());
        QVERIFY_THROWS_EXCEPTION(IniWriteError, login::WriteIniString(folderPath, QStringLiteral("Accesso"),
                                                                        QStringLiteral("Valore"), QStringLiteral("AB")));
        QVERIFY(QFileInfo(folderPath).isDir());

        // A write into a folder that does not exist fails and creates nothing.
        const QString nowhere = folder.file(QStringLiteral("manca/profilo.ini"));
        QVERIFY_THROWS_EXCEPTION(IniWriteError, login::WriteIniString(nowhere, QStringLiteral("Accesso"),
                                                                        QStringLiteral("Valore"), QStringLiteral("AB")));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("manca"))));
    }
};

VETRINALIA_TEST(IniFileTest)
#include "IniFileTest.moc"
