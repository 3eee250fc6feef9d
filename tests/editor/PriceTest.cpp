#include "support/TestRegistry.h"

#include "app/FieldStyle.h"
#include "editor/Price.h"
#include "editor/PriceEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A window with a price field and a plain field to move the focus to.
struct PriceWindow {
    PriceWindow()
    {
        price = new editor::PriceEdit(QStringLiteral("txtPrezzo_A"), &window);
        price->setGeometry(10, 10, 120, 21);
        other = new QLineEdit(&window);
        other->setObjectName(QStringLiteral("txtNome_B"));
        other->setGeometry(10, 40, 120, 21);
        window.resize(140, 70);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }

    bool active() { return QTest::qWaitForWindowActive(&window); }

    bool focus(QWidget* widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        return widget->hasFocus();
    }

    QWidget window;
    editor::PriceEdit* price = nullptr;
    QLineEdit* other = nullptr;
};

} // namespace

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

    // One key press on "12" with the caret at `cursor`, then a typed 7: shows both what the
    // key did to the text and where it left the caret.
    void keys_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");

        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("digit") << 2 << int(Qt::Key_5) << none << "1257";
        QTest::newRow("comma") << 2 << int(Qt::Key_Comma) << none << "12,7";
        QTest::newRow("backspace") << 2 << int(Qt::Key_Backspace) << none << "17";
        QTest::newRow("delete") << 0 << int(Qt::Key_Delete) << none << "72";
        QTest::newRow("left") << 2 << int(Qt::Key_Left) << none << "172";
        QTest::newRow("right") << 0 << int(Qt::Key_Right) << none << "172";
        QTest::newRow("point") << 2 << int(Qt::Key_Period) << none << "127";
        QTest::newRow("minus") << 2 << int(Qt::Key_Minus) << none << "127";
        QTest::newRow("plus") << 2 << int(Qt::Key_Plus) << none << "127";
        QTest::newRow("letter") << 2 << int(Qt::Key_A) << none << "127";
        QTest::newRow("space") << 2 << int(Qt::Key_Space) << none << "127";
        QTest::newRow("home") << 2 << int(Qt::Key_Home) << none << "127";
        QTest::newRow("end") << 0 << int(Qt::Key_End) << none << "712";
        QTest::newRow("up") << 2 << int(Qt::Key_Up) << none << "127";
        QTest::newRow("down") << 0 << int(Qt::Key_Down) << none << "712";
        QTest::newRow("insert") << 2 << int(Qt::Key_Insert) << none << "127";
        QTest::newRow("escape") << 2 << int(Qt::Key_Escape) << none << "127";
        QTest::newRow("ctrl+a selects nothing") << 2 << int(Qt::Key_A) << ctrl << "127";
        QTest::newRow("ctrl+home") << 2 << int(Qt::Key_Home) << ctrl << "127";
        QTest::newRow("ctrl+digit") << 2 << int(Qt::Key_5) << ctrl << "127";
    }

    void keys()
    {
        QFETCH(int, cursor);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);

        PriceWindow w;
        QVERIFY(w.active());
        QVERIFY(w.focus(w.price));
        w.price->setText(QStringLiteral("12"));
        w.price->setCursorPosition(cursor);
        QTest::keyClick(w.price, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClick(w.price, Qt::Key_7);
        QCOMPARE(w.price->text(), expected);
    }

    void shortcutsChangeNothing()
    {
        PriceWindow w;
        QVERIFY(w.active());
        QVERIFY(w.focus(w.price));
        QApplication::clipboard()->setText(QStringLiteral("999"));
        w.price->clear();
        QTest::keyClicks(w.price, QStringLiteral("12"));
        QTest::keyClick(w.price, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.price->text(), QStringLiteral("12"));
        QTest::keyClick(w.price, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.price, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.price->text(), QStringLiteral("12"));
        w.price->selectAll();
        QTest::keyClick(w.price, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(w.price, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.price->text(), QStringLiteral("12"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("999"));
    }

    void enter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");

        QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("shift+return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("ctrl+return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("ctrl+keypad enter") << int(Qt::Key_Enter)
                                           << int(Qt::KeypadModifier | Qt::ControlModifier);
    }

    void enter()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);

        PriceWindow w;
        QVERIFY(w.active());
        QVERIFY(w.focus(w.price));
        w.price->clear();
        QTest::keyClicks(w.price, QStringLiteral("5,5"));
        QSignalSpy entered(w.price, &editor::PriceEdit::enterPressed);
        QSignalSpy returned(w.price, &QLineEdit::returnPressed);
        QTest::keyClick(w.price, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(entered.count(), 1);
        QCOMPARE(returned.count(), 0);
        // The field itself stays focused with the text as typed: the chain moves the focus.
        QVERIFY(w.price->hasFocus());
        QCOMPARE(w.price->text(), QStringLiteral("5,5"));
    }

    void typingStopsAtTwelve()
    {
        PriceWindow w;
        QVERIFY(w.active());
        QVERIFY(w.focus(w.price));
        w.price->clear();
        QTest::keyClicks(w.price, QStringLiteral("1234567890123"));
        QCOMPARE(w.price->text(), QStringLiteral("123456789012"));
        QTest::keyClick(w.price, Qt::Key_Comma);
        QCOMPARE(w.price->text(), QStringLiteral("123456789012"));

        // A selection is replaced, so the typed character fits.
        w.price->setSelection(0, 2);
        QTest::keyClick(w.price, Qt::Key_9);
        QCOMPARE(w.price->text(), QStringLiteral("93456789012"));
        QTest::keyClicks(w.price, QStringLiteral("88"));
        QCOMPARE(w.price->text(), QStringLiteral("983456789012"));

        // Deleting and moving still work at the limit.
        w.price->end(false);
        QTest::keyClick(w.price, Qt::Key_Left);
        QTest::keyClick(w.price, Qt::Key_Backspace);
        QTest::keyClick(w.price, Qt::Key_Delete);
        QCOMPARE(w.price->text(), QStringLiteral("9834567890"));
    }

    void longNormalizedTextShownWhole()
    {
        PriceWindow w;
        QVERIFY(w.active());
        QVERIFY(w.focus(w.price));
        w.price->clear();
        QTest::keyClicks(w.price, QStringLiteral("999999999999"));
        QVERIFY(w.focus(w.other));
        QCOMPARE(w.price->text(), QStringLiteral("999999999999,00"));
        const QString grabDir = qEnvironmentVariable("VETRINALIA_GRAB_DIR");
        if (!grabDir.isEmpty())
            QVERIFY(w.window.grab().save(grabDir + QStringLiteral("/price-field.png")));

        // Text set by code is kept whole; typing into it is refused.
        w.price->setText(QStringLiteral("123456789012345,00"));
        QCOMPARE(w.price->text().size(), 18);
        QVERIFY(w.focus(w.price));
        QTest::keyClick(w.price, Qt::Key_1);
        QCOMPARE(w.price->text(), QStringLiteral("123456789012345,00"));
    }

    void leavingNormalizes()
    {
        PriceWindow w;
        QVERIFY(w.active());
        QCOMPARE(w.price->text(), QStringLiteral("0,00"));
        QVERIFY(w.price->alignment() & Qt::AlignRight);
        QCOMPARE(w.price->accessibleName(), QStringLiteral("Prezzo prodotto A"));
        app::InstallBackgroundHighlight(w.price, app::kFieldWhite);

        // The normal fill is back when the text is rewritten.
        QColor fillAtRewrite;
        connect(w.price, &QLineEdit::textChanged, this,
                [&] { fillAtRewrite = app::FieldBackgroundFill(w.price); });

        QVERIFY(w.focus(w.price));
        w.price->clear();
        QTest::keyClicks(w.price, QStringLiteral("5,5"));
        QCOMPARE(w.price->text(), QStringLiteral("5,5"));
        QTest::keyClick(w.price, Qt::Key_Tab);
        QVERIFY(w.other->hasFocus());
        QCOMPARE(w.price->text(), QStringLiteral("5,50"));
        QCOMPARE(fillAtRewrite, app::kFieldWhite);

        // An emptied field.
        QVERIFY(w.focus(w.price));
        w.price->clear();
        QVERIFY(w.focus(w.other));
        QCOMPARE(w.price->text(), QStringLiteral("0,00"));

        // Pasted text is taken as it is and normalised on leaving.
        QVERIFY(w.focus(w.price));
        w.price->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("1.234,50"));
        w.price->paste();
        QCOMPARE(w.price->text(), QStringLiteral("1.234,50"));
        QTest::keyClick(w.price, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(w.other->hasFocus());
        QCOMPARE(w.price->text(), QStringLiteral("0,00"));

        QVERIFY(w.focus(w.price));
        w.price->selectAll();
        QApplication::clipboard()->setText(QStringLiteral(" 5e3 "));
        w.price->paste();
        // A context menu or another window taking the focus for a while does not leave
        // the field.
        for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent away(QEvent::FocusOut, reason);
            QApplication::sendEvent(w.price, &away);
            QCOMPARE(w.price->text(), QStringLiteral(" 5e3 "));
        }
        QVERIFY(w.focus(w.price));
        QVERIFY(w.focus(w.other));
        QCOMPARE(w.price->text(), QStringLiteral("5000,00"));
    }
};

VETRINALIA_TEST(PriceTest)

#include "PriceTest.moc"
