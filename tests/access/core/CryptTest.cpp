#include "support/TestRegistry.h"

#include "access/Crypt.h"

#include <QRegularExpression>
#include <QTest>

using login::ConversionError;
using login::DecodePassword;
using login::EncodePassword;

class CryptTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QString everyCode;
        for (int code = 0; code < 256; ++code)
            everyCode.append(QChar(char16_t(code)));
        QTest::newRow("empty") << QString();
        QTest::newRow("one character") << QStringLiteral("x");
        QTest::newRow("initial password") << QStringLiteral("CHIAVEINIZIALE");
        QTest::newRow("blanks and accents") << QStringLiteral(" caffè È  ß ");
        QTest::newRow("255 characters") << QString(255, QLatin1Char('Z'));
        QTest::newRow("every code 0 to 255, first 255") << everyCode.left(255);
        QTest::newRow("every code 0 to 255, last 255") << everyCode.right(255);
    }
    void roundTrip()
    {
        QFETCH(QString, plain);
        const QString hex = EncodePassword(plain);
        QCOMPARE(hex.size(), 2 * plain.size());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(hex).hasMatch());
        QCOMPARE(DecodePassword(hex), plain);
        // The key register restarts on every call.
        QCOMPARE(EncodePassword(plain), hex);
    }

    void knownValues_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex");
        QTest::newRow("one letter") << QStringLiteral("A") << QStringLiteral("60");
        QTest::newRow("two letters") << QStringLiteral("AB") << QStringLiteral("6094");
        QTest::newRow("codes 0 and 255") << QStringLiteral("\u0000\u00FF") << QStringLiteral("2159");
        QTest::newRow("initial password")
            << QStringLiteral("CHIAVEINIZIALE") << QStringLiteral("625C4836C8BD4B666456F1B4244F");
    }
    void knownValues()
    {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        QCOMPARE(EncodePassword(plain), hex);
        QCOMPARE(DecodePassword(hex), plain);
    }

    void onlyLowEightBitsAndAtMost255Characters()
    {
        QCOMPARE(EncodePassword(QStringLiteral("\u0141")), EncodePassword(QStringLiteral("\u0041")));
        QCOMPARE(EncodePassword(QString(300, QLatin1Char('a'))), EncodePassword(QString(255, QLatin1Char('a'))));
        QVERIFY(login::IsStorablePassword(QString(255, QChar(0xFF))));
        QVERIFY(!login::IsStorablePassword(QString(256, QLatin1Char('a'))));
        QVERIFY(!login::IsStorablePassword(QStringLiteral("euro \u20AC")));
    }

    void decodeAcceptsLowerCaseAndIgnoresAnOddLastDigit()
    {
        const QString hex = EncodePassword(QStringLiteral("CHIAVEINIZIALE"));
        QCOMPARE(DecodePassword(hex.toLower()), QStringLiteral("CHIAVEINIZIALE"));
        QCOMPARE(DecodePassword(hex + QLatin1Char('7')), QStringLiteral("CHIAVEINIZIALE"));
        QCOMPARE(DecodePassword(hex + QLatin1Char('x')), QStringLiteral("CHIAVEINIZIALE"));
        QCOMPARE(DecodePassword(QStringLiteral("6")), QString());
    }

    void badPairFailsBeforeAnythingIsProduced_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("pair");
        QTest::newRow("first pair") << QStringLiteral("G05C") << QStringLiteral("G0");
        QTest::newRow("last pair") << QStringLiteral("625C48 6") << QStringLiteral(" 6");
        QTest::newRow("sign") << QStringLiteral("62+1") << QStringLiteral("+1");
        QTest::newRow("beyond Latin-1") << QStringLiteral("62\u0661\u0662") << QStringLiteral("\u0661\u0662");
        QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12") << QStringLiteral("\uFF11\uFF12");
    }
    void badPairFailsBeforeAnythingIsProduced()
    {
        QFETCH(QString, hex);
        QFETCH(QString, pair);
        QString result = QStringLiteral("untouched");
        try {
            result = DecodePassword(hex);
            QFAIL("no conversion error");
        } catch (const ConversionError& error) {
            QCOMPARE(error.pair(), pair);
        }
        QCOMPARE(result, QStringLiteral("untouched"));
    }

    // What a refusal names: each character beyond U+00FF once, in order, a character
    // beyond U+FFFF whole.
    void unstorableCharacters()
    {
        QCOMPARE(login::UnstorableCharacters(QStringLiteral("prezzo è ÿ")), QStringList{});
        QCOMPARE(login::UnstorableCharacters(QStringLiteral("€a€œbő\U0001F600")),
                 (QStringList{QStringLiteral("€"), QStringLiteral("œ"), QStringLiteral("ő"),
                              QStringLiteral("\U0001F600")}));
    }
};

VETRINALIA_TEST(CryptTest)
#include "CryptTest.moc"
