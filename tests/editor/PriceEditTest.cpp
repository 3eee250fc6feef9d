#include "support/TestRegistry.h"

#include "editor/PriceEdit.h"
#include "ui/FieldStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
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

// The price field as a user types, pastes and leaves it.
class PriceEditTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        QTest::newRow("ctrl+keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier | Qt::ControlModifier);
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

    // Pasting from the context menu and dropping take what the field may still hold, as
    // typing would; the text is not filtered.
    void pasteAndDropAreCutToTwelve()
    {
        PriceWindow w;
        QVERIFY(w.active());
        QVERIFY(w.focus(w.price));
        const auto pasteFromMenu = [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w.price->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(w.price, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
            QVERIFY(paste);
            paste->trigger();
            menu->close();
        };
        QApplication::clipboard()->setText(QStringLiteral("12345678901234567890"));
        w.price->selectAll();
        pasteFromMenu();
        QCOMPARE(w.price->text(), QStringLiteral("123456789012"));

        // Into "0,00" with the caret after the comma: eight more characters fit.
        w.price->setText(QStringLiteral("0,00"));
        w.price->setCursorPosition(2);
        QApplication::clipboard()->setText(QStringLiteral("9a9a9a9a9a9a"));
        pasteFromMenu();
        QCOMPARE(w.price->text(), QStringLiteral("0,9a9a9a9a00"));
        // A full field takes nothing more.
        pasteFromMenu();
        QCOMPARE(w.price->text(), QStringLiteral("0,9a9a9a9a00"));

        // A drop at the end of "5".
        w.price->setText(QStringLiteral("5"));
        QMimeData dragged;
        dragged.setText(QStringLiteral("00000000000000000000"));
        const QPoint end(w.price->width() - 2, w.price->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(w.price, &enter);
        QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(w.price, &drop);
        QCOMPARE(w.price->text(), QStringLiteral("500000000000"));

        // A short paste goes in whole, and leaving normalises as always.
        w.price->setText(QStringLiteral("7"));
        w.price->end(false);
        QApplication::clipboard()->setText(QStringLiteral(",5"));
        pasteFromMenu();
        QCOMPARE(w.price->text(), QStringLiteral("7,5"));
        QVERIFY(w.focus(w.other));
        QCOMPARE(w.price->text(), QStringLiteral("7,50"));
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
        ui::InstallBackgroundHighlight(w.price, ui::kFieldWhite);

        // The normal fill is back when the text is rewritten.
        QColor fillAtRewrite;
        connect(w.price, &QLineEdit::textChanged, this, [&] { fillAtRewrite = ui::FieldBackgroundFill(w.price); });

        QVERIFY(w.focus(w.price));
        w.price->clear();
        QTest::keyClicks(w.price, QStringLiteral("5,5"));
        QCOMPARE(w.price->text(), QStringLiteral("5,5"));
        QTest::keyClick(w.price, Qt::Key_Tab);
        QVERIFY(w.other->hasFocus());
        QCOMPARE(w.price->text(), QStringLiteral("5,50"));
        QCOMPARE(fillAtRewrite, ui::kFieldWhite);

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

VETRINALIA_TEST(PriceEditTest)

#include "PriceEditTest.moc"
