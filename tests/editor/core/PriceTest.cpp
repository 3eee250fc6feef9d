// The price rules: the key filter, normalisation and rounding.
#include "support/TestRegistry.h"

#include "editor/Price.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cfloat>
#include <cmath>

class PriceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");

        // Typed texts.
        QTest::newRow("empty") << "" << "0,00";
        QTest::newRow("blanks") << "   " << "0,00";
        QTest::newRow("control characters") << "\t \n" << "0,00";
        QTest::newRow("5") << "5" << "5,00";
        QTest::newRow("5,") << "5," << "5,00";
        QTest::newRow(",5") << ",5" << "0,50";
        QTest::newRow("lone comma") << "," << "0,00";
        QTest::newRow("0") << "0" << "0,00";
        QTest::newRow("007") << "007" << "7,00";
        QTest::newRow("5,5") << "5,5" << "5,50";
        QTest::newRow("5,50") << "5,50" << "5,50";
        QTest::newRow("5,556") << "5,556" << "5,56";
        QTest::newRow("5,555 just below the half") << "5,555" << "5,55";
        QTest::newRow("2,675") << "2,675" << "2,67";
        QTest::newRow("2,665") << "2,665" << "2,67";
        QTest::newRow("0,005") << "0,005" << "0,01";
        QTest::newRow("1,995") << "1,995" << "2,00";
        QTest::newRow("99,995") << "99,995" << "100,00";
        QTest::newRow("12,3456") << "12,3456" << "12,35";
        QTest::newRow("1234,5") << "1234,5" << "1234,50";
        QTest::newRow("second comma") << "5,5,5" << "0,00";
        QTest::newRow("0,004 rounds to zero") << "0,004" << "0,00";
        // Just below the half in 80-bit precision, though exactly 1,5 and 19985,5 in doubles.
        QTest::newRow("0,015") << "0,015" << "0,01";
        QTest::newRow("199,855") << "199,855" << "199,85";

        // Pasted texts.
        QTest::newRow("between spaces") << "  5  " << "5,00";
        QTest::newRow("thousands point") << "1.234,50" << "0,00";
        QTest::newRow("decimal point") << "5.5" << "0,00";
        QTest::newRow("letters") << "abc" << "0,00";
        QTest::newRow("exponent") << "5e3" << "5000,00";
        QTest::newRow("exponent with comma") << "1,25E+1" << "12,50";
        QTest::newRow("negative exponent") << "125e-2" << "1,25";
        QTest::newRow("exponent without digits") << "5e" << "0,00";
        QTest::newRow("exponent alone") << "e5" << "0,00";
        QTest::newRow("plus sign") << "+5" << "5,00";
        QTest::newRow("space inside") << "5 5" << "0,00";
        QTest::newRow("space after the sign") << "+ 5" << "0,00";
        QTest::newRow("tab is no space") << "\t5" << "0,00";
        QTest::newRow("currency sign") << "5 \u20AC" << "0,00";
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0665)) << "0,00";
        QTest::newRow("overflow") << "1e400" << "0,00";
        QTest::newRow("overflow by digits") << QString(400, u'9') << "0,00";
        QTest::newRow("underflow") << "1e-400" << "0,00";
        QTest::newRow("huge exponent of zero") << "0e999999999999999999999" << "0,00";

        // A price is never negative.
        QTest::newRow("negative") << "-5" << "0,00";
        QTest::newRow("negative with decimals") << " -12,50 " << "0,00";
        QTest::newRow("negative zero") << "-0" << "0,00";
        QTest::newRow("negative tiny") << "-0,001" << "0,00";

        // Forms longer than the archive's 12 characters.
        QTest::newRow("twelve digits") << "999999999999" << "999999999999,00";
        QTest::newRow("ten digits") << "1000000000" << "1000000000,00";
        QTest::newRow("fifteen digits") << "999999999999999" << "999999999999999,00";
        QTest::newRow("rounds up to 10^15") << "999999999999999,6" << "1E15,00";
        QTest::newRow("10^15") << "1e15" << "1E15,00";
        QTest::newRow("mantissa with decimals") << "1,5e20" << "1,5E20";
        QTest::newRow("largest double") << "1,7976931348623157e308" << "1,79769313486232E308";
    }

    void normalize()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(editor::NormalizePrice(typed), expected);
    }

    void roundDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");

        QTest::newRow("5.555 lies below the half") << 5.555 << 2 << 5.55;
        QTest::newRow("5.556") << 5.556 << 2 << 5.56;
        QTest::newRow("2.675") << 2.675 << 2 << 2.67;
        QTest::newRow("1.005") << 1.005 << 2 << 1.0;
        QTest::newRow("exact half") << 0.125 << 2 << 0.13;
        QTest::newRow("one decimal") << 1.45 << 1 << 1.4;
        QTest::newRow("no decimals") << 2.5 << 0 << 3.0;
        QTest::newRow("truncates toward zero") << -5.0 << 2 << -4.99;
        QTest::newRow("no overflow in the product") << 1e307 << 2 << 1e307;
    }

    void roundDecimals()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        const double result = editor::RoundDecimals(value, decimals);
        QVERIFY2(result == expected, qPrintable(QString::number(result, 'g', 17)));
    }

    // The rounding is computed in a software 80-bit type, so that it builds where long double
    // is narrower; where long double is the x87 format (here), both give the same bits.
    void portableRoundingMatchesNativeExtended()
    {
#if LDBL_MANT_DIG != 64
        QSKIP("long double is not the x87 80-bit format on this target");
#else
        const auto native = [](double value, int n) {
            long double factor = 1.0L;
            for (int i = 0; i < n; ++i)
                factor *= 10.0L;
            const long double whole = std::trunc(static_cast<long double>(value) * factor + 0.5L);
            return static_cast<double>(whole / factor);
        };
        const auto same = [&](double value, int n) {
            const double portable = editor::RoundDecimals(value, n);
            const double expected = native(value, n);
            if (std::bit_cast<quint64>(portable) == std::bit_cast<quint64>(expected))
                return true;
            qWarning("%.17g to %d decimals: %.17g, native %.17g", value, n, portable, expected);
            return false;
        };

        const double examples[] = {5.555, 5.556, 2.675, 2.665, 0.005, 1.995, 99.995, 12.3456, 1234.5, 0.004,
                                   1.005, 0.125, 1.45, 2.5, -5.0, 1e307, 0.015, 199.855, 0.0, 999999999999.0,
                                   123456789012.0, 0.5, 1e-300, 5e-324, 1.7976931348623157e308};
        for (const double value : examples) {
            for (int n = 0; n <= 4; ++n)
                QVERIFY(same(value, n));
        }

        // Typed prices (up to twelve digits with up to six decimals) and any finite double.
        QRandomGenerator random(20261211);
        int compared = 0;
        for (int i = 0; i < 200000; ++i) {
            const int decimals = int(random.bounded(7));
            const double typed = double(random.bounded(Q_UINT64_C(1000000000000))) / std::pow(10.0, decimals);
            QVERIFY(same(typed, 2));
            const double any = std::bit_cast<double>(random.generate64());
            if (std::isfinite(any)) {
                QVERIFY(same(any, int(random.bounded(5))));
                ++compared;
            }
        }
        QVERIFY(compared > 190000);
#endif
    }

    void filterPriceKey_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<QChar>("character");
        QTest::addColumn<bool>("passes");

        QTest::newRow("enter") << 13 << QChar(13) << false;
        QTest::newRow("backspace") << 8 << QChar() << true;
        QTest::newRow("delete") << 46 << QChar() << true;
        QTest::newRow("left") << 37 << QChar() << true;
        QTest::newRow("right") << 39 << QChar() << true;
        QTest::newRow("digit") << 55 << QChar(u'7') << true;
        QTest::newRow("comma") << 188 << QChar(u',') << true;
        QTest::newRow("digit key without its character") << 55 << QChar() << false;
        QTest::newRow("point") << 190 << QChar(u'.') << false;
        QTest::newRow("home") << 36 << QChar() << false;
        QTest::newRow("letter") << 65 << QChar(u'a') << false;
    }

    void filterPriceKey()
    {
        QFETCH(int, keyCode);
        QFETCH(QChar, character);
        QFETCH(bool, passes);
        QCOMPARE(editor::FilterPriceKey(keyCode, character), passes);
    }
};

VETRINALIA_TEST(PriceTest)

#include "PriceTest.moc"
