#include "EditorFixture.h"
#include "support/TestRegistry.h"

#include "start/Avvio.h"

#include <QDir>
#include <QFile>

using namespace testing;

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void moves_data();
    void moves();
    void accessFailure_data();
    void accessFailure();
    void removedArchiveIsRecreated_data();
    void removedArchiveIsRecreated();
    void shownPageReplacesEveryField();
    void longTextsShowTheirBeginning();
    void lifecycle();
};

void NavigationTest::moves_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("startPosition");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position");  // lblPosizione afterwards
    QTest::addColumn<int>("shownPage");     // page whose texts are on screen, 0 = unchanged
    QTest::addColumn<QString>("message");   // information shown, if any

    // An archive emptied meanwhile by another copy of the program: the stale number stays,
    // except after cmdAvanti.
    for (const char* command : {"cmdPrimo", "cmdIndietro", "cmdUltimo"}) {
        QTest::addRow("empty, new page, %s", command) << 0 << "" << command << "" << 0 << kEmpty;
        QTest::addRow("empty, stale page 2, %s", command) << 0 << "2" << command << "2" << 0 << kEmpty;
    }
    QTest::newRow("empty, new page, cmdAvanti") << 0 << "" << "cmdAvanti" << "" << 0 << kEmpty;
    QTest::newRow("empty, stale page 2, cmdAvanti") << 0 << "2" << "cmdAvanti" << "" << 0 << kEmpty;

    QTest::newRow("new page, cmdPrimo") << 3 << "" << "cmdPrimo" << "1" << 1 << "";
    QTest::newRow("new page, cmdIndietro") << 3 << "" << "cmdIndietro" << "1" << 1 << "";
    QTest::newRow("new page, cmdAvanti") << 3 << "" << "cmdAvanti" << "1" << 1 << "";
    QTest::newRow("new page, cmdUltimo") << 3 << "" << "cmdUltimo" << "3" << 3 << "";
    QTest::newRow("page 2, cmdIndietro") << 3 << "2" << "cmdIndietro" << "1" << 1 << "";
    QTest::newRow("page 2, cmdAvanti") << 3 << "2" << "cmdAvanti" << "3" << 3 << "";
    QTest::newRow("page 2, cmdPrimo") << 3 << "2" << "cmdPrimo" << "1" << 1 << "";
    QTest::newRow("page 1, cmdIndietro does nothing") << 3 << "1" << "cmdIndietro" << "1" << 0 << "";
    QTest::newRow("last page, cmdAvanti does nothing") << 3 << "3" << "cmdAvanti" << "3" << 0 << "";
    QTest::newRow("single page, cmdUltimo") << 1 << "" << "cmdUltimo" << "1" << 1 << "";
}

void NavigationTest::moves()
{
    QFETCH(int, pages);
    QFETCH(QString, startPosition);
    QFETCH(QString, command);
    QFETCH(QString, position);
    QFETCH(int, shownPage);
    QFETCH(QString, message);

    EditorFixture f(pages);
    const QByteArray before = f.archiveBytes();
    f.editor->lblPosizione->setText(startPosition);
    f.editor->txtNome(0)->setText(QStringLiteral("sullo schermo"));
    f.editor->txtCodice(2)->setFocus();
    QVERIFY(f.editor->txtCodice(2)->hasFocus());

    f.click(command);

    QCOMPARE(f.editor->lblPosizione->text(), position);
    QCOMPARE(f.dialogs.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(f.dialogs.messages.first().kind, ui::MessageKind::Information);
    QCOMPARE(f.editor->txtNome(0)->text(),
             shownPage == 0 ? QStringLiteral("sullo schermo") : NumberedPage(shownPage).slots[0].nome);
    if (shownPage != 0)
        QCOMPARE(f.editor->FillPageRecord(), NumberedPage(shownPage));
    // A move leaves the focus where it was and never writes.
    QVERIFY(f.editor->txtCodice(2)->hasFocus());
    QCOMPARE(f.archiveBytes(), before);
}

void NavigationTest::accessFailure_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdSalva"})
        QTest::newRow(command) << command;
}

void NavigationTest::accessFailure()
{
    QFETCH(QString, command);
    EditorFixture f(0, false);
    // A folder of the archive's name cannot be opened as a file.
    QVERIFY(QDir().mkpath(f.archive));
    f.fillSlotA();
    f.editor->lblPosizione->setText(QStringLiteral("2"));

    f.click(command);

    QCOMPARE(f.dialogs.messageTexts(), QStringList{AccessErrorText()});
    QCOMPARE(f.dialogs.messages.first().kind, ui::MessageKind::Error);
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(f.editor->txtNome(0)->text(), QStringLiteral("Mele"));
    QVERIFY(!QFile::exists(f.photoPath(u'A', 2)));
}

void NavigationTest::removedArchiveIsRecreated_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("startPosition");
    QTest::addColumn<bool>("reportsEmpty");
    QTest::newRow("cmdPrimo") << "cmdPrimo" << "1" << true;
    QTest::newRow("cmdAvanti") << "cmdAvanti" << "1" << true;
    QTest::newRow("cmdUltimo") << "cmdUltimo" << "1" << true;
    QTest::newRow("cmdIndietro on page 2") << "cmdIndietro" << "2" << true;
    QTest::newRow("cmdIndietro on page 1") << "cmdIndietro" << "1" << false;
}

void NavigationTest::removedArchiveIsRecreated()
{
    QFETCH(QString, command);
    QFETCH(QString, startPosition);
    QFETCH(bool, reportsEmpty);
    EditorFixture f(2);
    f.editor->lblPosizione->setText(startPosition);
    QVERIFY(QFile::remove(f.archive));

    f.click(command);

    QVERIFY(QFile::exists(f.archive));
    QCOMPARE(QFileInfo(f.archive).size(), 0);
    QCOMPARE(f.dialogs.messageTexts(), reportsEmpty ? QStringList{kEmpty} : QStringList());
}

void NavigationTest::shownPageReplacesEveryField()
{
    EditorFixture f(0);
    storage::PageRecord stored = NumberedPage(1);
    stored.slots[1] = {};          // a blank slot B: empty texts and an empty price
    stored.slots[2].prezzo = QStringLiteral("12,5"); // shown exactly as stored
    WriteFile(f.archive, storage::EncodePageRecord(stored));
    for (int s = 0; s < 8; ++s) {
        f.editor->txtNome(s)->setText(QStringLiteral("vecchio"));
        f.editor->txtPrezzo(s)->setText(QStringLiteral("9,99"));
    }

    f.click(QStringLiteral("cmdPrimo"));

    QCOMPARE(f.editor->FillPageRecord(), stored);
    QCOMPARE(f.editor->txtPrezzo(1)->text(), QString());
    QCOMPARE(f.editor->txtNome(1)->text(), QString());
    QCOMPARE(f.editor->txtPrezzo(2)->text(), QStringLiteral("12,5"));
}

// A stored text longer than its field shows its beginning, not its tail.
void NavigationTest::longTextsShowTheirBeginning()
{
    EditorFixture f(0);
    storage::PageRecord stored = NumberedPage(1);
    stored.slots[3].caratteristiche = QStringLiteral("Inizio ") + QString(200, u'W') + QStringLiteral(" fine");
    stored.slots[3].nome = QStringLiteral("Principio ") + QString(40, u'M');
    WriteFile(f.archive, storage::EncodePageRecord(stored));
    f.click(QStringLiteral("cmdPrimo"));
    for (QLineEdit* field : {f.editor->txtCaratteristiche(3), f.editor->txtNome(3)}) {
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) > field->width());
        QCOMPARE(field->cursorPosition(), 0);
        // The first word is where the field starts drawing.
        const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY2(caret.left() < 8, qPrintable(field->objectName()));
    }
    f.saveGrab(QStringLiteral("editor-long-texts"));
}

void NavigationTest::lifecycle()
{
    EditorFixture f(2);
    QCOMPARE(f.editor->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QCOMPARE(f.editor->lblNome->text(), QStringLiteral("Prova"));
    QVERIFY(f.editor->txtNome(0)->hasFocus());
    f.click(QStringLiteral("cmdUltimo"));
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("2"));
    QTest::mouseMove(f.find(QStringLiteral("cmdSalva")));
    QCOMPARE(f.editor->panInfo->text(), QStringLiteral("Salva la scheda corrente."));

    // Closing goes back to the start screen, saving nothing.
    const QByteArray before = f.archiveBytes();
    f.editor->txtNome(0)->setText(QStringLiteral("cambiato"));
    f.click(QStringLiteral("cmdEsci"));
    QVERIFY(!f.editor->isVisible());
    QVERIFY(f.screens->frmAvvio->isVisible());
    QCOMPARE(f.archiveBytes(), before);

    // Opened again on another flyer: a blank new page, the new title, the status line as it was.
    f.editor->lblNome->setText(QStringLiteral("Inverno"));
    f.editor->showScreen();
    QVERIFY(QTest::qWaitForWindowActive(f.editor));
    QCOMPARE(f.editor->lblPosizione->text(), QString());
    QCOMPARE(f.editor->lblNome->text(), QStringLiteral("Inverno"));
    QCOMPARE(f.editor->panInfo->text(), QStringLiteral("Salva la scheda corrente."));
    for (int s = 0; s < 8; ++s) {
        QCOMPARE(f.editor->txtNome(s)->text(), QString());
        QCOMPARE(f.editor->txtPrezzo(s)->text(), QStringLiteral("0,00"));
        QCOMPARE(f.editor->imgFoto(s)->picture(), f.editor->BlankPicture());
    }
    QVERIFY(f.editor->txtNome(0)->hasFocus());
}

VETRINALIA_TEST(NavigationTest)
#include "NavigationTest.moc"
