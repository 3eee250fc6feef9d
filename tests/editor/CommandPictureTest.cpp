#include "EditorFixture.h"
#include "support/TestRegistry.h"

#include "start/Avvio.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace testing;

namespace {

// A double click as the system gives it: through the window, so that Qt turns the second
// press into a double-click event.
void DoubleClick(QWidget* target)
{
    QWidget* window = target->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
}

} // namespace

class CommandPictureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void doubleClickRunsTheCommandOnce();
    void screenReadersSeePushButtons_data();
    void screenReadersSeePushButtons();
};

void CommandPictureTest::doubleClickRunsTheCommandOnce()
{
    EditorFixture f(4);
    f.click(QStringLiteral("cmdPrimo"));
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("1"));
    DoubleClick(f.find(QStringLiteral("cmdAvanti")));
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("2"));
    // Two separate clicks are two moves.
    f.click(QStringLiteral("cmdAvanti"));
    f.click(QStringLiteral("cmdAvanti"));
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("4"));

    // A photo box asks once for a file.
    DoubleClick(f.editor->imgFoto(2));
    QCOMPARE(f.dialogs.fileRequests.size(), 1);
}

void CommandPictureTest::screenReadersSeePushButtons_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("save") << "editor" << "cmdSalva" << "Salva";
    QTest::newRow("next page") << "editor" << "cmdAvanti" << "Scheda successiva";
    QTest::newRow("photo box") << "editor" << "imgFoto_B" << "Foto prodotto B";
    QTest::newRow("create flyer") << "start" << "btnApp01" << "Crea nuovo volantino";
    QTest::newRow("exit") << "editor" << "cmdEsci" << "Esci";
}

// A picture button reaches a screen reader as a push button with its name, and its press
// action runs the command once.
void CommandPictureTest::screenReadersSeePushButtons()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    EditorFixture f(3);
    f.click(QStringLiteral("cmdPrimo"));
    QWidget* window = f.editor;
    if (screen == QLatin1String("start"))
        window = f.screens->frmAvvio;
    auto* button = window->findChild<QAbstractButton*>(name);
    QVERIFY(button);
    int clicks = 0;
    connect(button, &QAbstractButton::clicked, this, [&] { ++clicks; });

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicks, 1);
    QTest::qWait(150);
    QCOMPARE(clicks, 1);
    if (name == QLatin1String("cmdAvanti"))
        QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("2"));
    if (name == QLatin1String("imgFoto_B"))
        QCOMPARE(f.dialogs.fileRequests.size(), 1);
}

VETRINALIA_TEST(CommandPictureTest)
#include "CommandPictureTest.moc"
