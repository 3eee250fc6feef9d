#include "catalog/ApriCatalogo.h"

#include "editor/ListinoPrezzi.h"
#include "start/Avvio.h"
#include "support/ProgramScreens.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <memory>

using testing::ReadFile;
using testing::ScriptedDialogs;
using testing::TestFolder;
using testing::WriteFile;

namespace {

const QString kConfirmDelete = QStringLiteral(
    "Si sta per eliminare il volantino offerte selezionato. Si ricorda che il file eliminato non potrà essere "
    "recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?");
const QString kDeleted = QStringLiteral("Il volantino offerte è stato eliminato con successo.");

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class ApriCatalogoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<testing::ProgramScreens> m_screens;
    catalog::TfrmApriCatalogo* m_screen = nullptr;

    void addFlyers(const QStringList& names)
    {
        for (const QString& name : names)
            QVERIFY(WriteFile(m_folder->file(name), QByteArray(3696, 0)));
    }

    // Reaches the screen as a user does, from the start screen.
    void showFromStart()
    {
        m_screens->frmAvvio->showScreen();
        QTest::mouseClick(m_screens->frmAvvio->btnApp02, Qt::LeftButton);
        QVERIFY(m_screen->isVisible());
    }

    void select(const QString& text)
    {
        const QList<QListWidgetItem*> found = m_screen->lstFiles->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        const QRect rect = m_screen->lstFiles->visualItemRect(found.first());
        QTest::mouseClick(m_screen->lstFiles->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(m_screen->lstFiles->selectedItems(), found);
    }

    void clickDelete() { QTest::mouseClick(m_screen->btnElimina, Qt::LeftButton); }
    void clickOpen() { QTest::mouseClick(m_screen->btnApri, Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_screens = std::make_unique<testing::ProgramScreens>();
        m_screen = m_screens->frmApriCatalogo;
    }

    void cleanup()
    {
        m_screens.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void layoutAndLook()
    {
        QCOMPARE(m_screen->windowTitle(), QStringLiteral(" Vetrinalia - Apertura volantino offerte"));
        QCOMPARE(m_screen->lstFiles->geometry(), QRect(34, 224, 926, 298));
        QCOMPARE(m_screen->lstFiles->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(m_screen->lblCreati->pos(), QPoint(24, 537));
        QCOMPARE(m_screen->lblCreati->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(m_screen->lblCreati->font().pointSize(), 12);
        QCOMPARE(m_screen->btnApri->geometry(), QRect(694, 602, 258, 45));
        QCOMPARE(m_screen->btnAnnulla->geometry(), QRect(44, 602, 258, 45));
        QCOMPARE(m_screen->btnElimina->geometry(), QRect(24, 158, 43, 45));
        QCOMPARE(m_screen->imgGuida->geometry(), QRect(946, 156, 29, 28));
        QVERIFY(m_screen->lblMemory->isHidden());
        QVERIFY(m_screen->lblFile->isHidden());

        addFlyers({QStringLiteral("Estate.lis")});
        showFromStart();
        // The entries show in the list's font and text colour.
        const QListWidgetItem* item = m_screen->lstFiles->item(0);
        QVERIFY(!item->data(Qt::FontRole).isValid() && !item->data(Qt::ForegroundRole).isValid());
        QCOMPARE(m_screen->lstFiles->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(m_screen->lstFiles->font().pointSize(), 14);
        QCOMPARE(m_screen->lstFiles->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void showListsTheFlyersSortedWithTheirCount_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("countLine");
        QTest::newRow("none") << QStringList{QStringLiteral("nota.txt")} << QStringList{}
                              << QStringLiteral("Sono stati creati 0 volantini offerte.");
        QTest::newRow("one") << QStringList{QStringLiteral("Estate.lis"), QStringLiteral("Estate.bak")}
                             << QStringList{QStringLiteral("Estate.lis")}
                             << QStringLiteral("Sono stati creati 1 volantini offerte.");
        QTest::newRow("several") << QStringList{QStringLiteral("zucchine.lis"), QStringLiteral("Estate.lis"),
                                                QStringLiteral("autunno.lis"), QStringLiteral("foto.jpg")}
                                 << QStringList{QStringLiteral("autunno.lis"), QStringLiteral("Estate.lis"),
                                                QStringLiteral("zucchine.lis")}
                                 << QStringLiteral("Sono stati creati 3 volantini offerte.");
    }

    void showListsTheFlyersSortedWithTheirCount()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, listed);
        QFETCH(QString, countLine);
        addFlyers(files);
        QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Vecchi")));
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("Vecchi/Inverno.lis")), {}));
        showFromStart();
        QCOMPARE(entries(m_screen->lstFiles), listed);
        QCOMPARE(m_screen->lblCreati->text(), countLine);
        QCOMPARE(m_screen->lblMemory->text(), QStringLiteral("avvio"));
    }

    void aFlyerCreatedWhileHiddenIsListedAtTheNextShow()
    {
        addFlyers({QStringLiteral("Estate.lis")});
        showFromStart();
        QTest::mouseClick(m_screen->btnAnnulla, Qt::LeftButton);
        QVERIFY(!m_screen->isVisible());
        addFlyers({QStringLiteral("Autunno.lis")});
        showFromStart();
        QCOMPARE(entries(m_screen->lstFiles),
                 QStringList({QStringLiteral("Autunno.lis"), QStringLiteral("Estate.lis")}));
        QCOMPARE(m_screen->lblCreati->text(), QStringLiteral("Sono stati creati 2 volantini offerte."));
    }

    void openHandsTheFlyerToTheEditor()
    {
        addFlyers({QStringLiteral("Autunno.lis"), QStringLiteral("Estate.lis")});
        showFromStart();
        select(QStringLiteral("Estate.lis"));
        clickOpen();
        QVERIFY(m_dialogs->messages.isEmpty());
        editor::TfrmListinoPrezzi* editor = m_screens->frmListinoPrezzi;
        QCOMPARE(editor->lblNome->text(), QStringLiteral("Estate"));
        QCOMPARE(editor->lblFile->text(), m_folder->path() + QStringLiteral("Estate.lis"));
        QVERIFY(editor->isVisible());
        QVERIFY(!m_screen->isVisible());
        QVERIFY(!m_screens->frmAvvio->isVisible());
        QCOMPARE(m_screen->lblMemory->text(), QStringLiteral("listino"));

        // Coming back through the start screen, the marker is "avvio" again.
        editor->close();
        showFromStart();
        QCOMPARE(m_screen->lblMemory->text(), QStringLiteral("avvio"));
    }

    void openAndDeleteWarnWithoutAChoice_data()
    {
        QTest::addColumn<bool>("withFlyers");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("warning");
        QTest::newRow("open, empty list")
            << false << false << QStringLiteral("Attenzione: l'elenco non contiene nessun volantino.");
        QTest::newRow("open, nothing selected")
            << true << false
            << QStringLiteral(
                   "Attenzione: selezionare il volantino dall'elenco prima di premere il pulsante Apri archivio.");
        QTest::newRow("delete, empty list")
            << false << true << QStringLiteral("Attenzione: l'elenco non contiene nessun volantino offerte.");
        QTest::newRow("delete, nothing selected")
            << true << true
            << QStringLiteral("Attenzione: selezionare dall'elenco il volantino offerte da eliminare prima di premere "
                              "il pulsante del cestino.");
    }

    void openAndDeleteWarnWithoutAChoice()
    {
        QFETCH(bool, withFlyers);
        QFETCH(bool, remove);
        QFETCH(QString, warning);
        if (withFlyers)
            addFlyers({QStringLiteral("Estate.lis")});
        showFromStart();
        remove ? clickDelete() : clickOpen();
        QCOMPARE(m_dialogs->messageTexts(), QStringList{warning});
        QCOMPARE(m_dialogs->messages.first().kind, ui::MessageKind::Warning);
        QVERIFY(m_screen->isVisible());
        QVERIFY(!m_screens->frmListinoPrezzi->isVisible());
        if (withFlyers)
            QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Estate.lis"))));
    }

    // With nothing picked the list shows no current row, also when it gains the focus by
    // the keyboard: no frame on the first row that would read as a selection.
    void noCurrentRowUntilPicked()
    {
        addFlyers({QStringLiteral("Estate.lis"), QStringLiteral("Inverno.lis")});
        showFromStart();
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        m_screen->lstFiles->setFocus(Qt::TabFocusReason);
        QVERIFY(m_screen->lstFiles->hasFocus());
        QVERIFY(!m_screen->lstFiles->currentIndex().isValid());
        QVERIFY(m_screen->lstFiles->selectedItems().isEmpty());
        if (const QByteArray dir = qgetenv("VETRINALIA_GRAB_DIR"); !dir.isEmpty())
            m_screen->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/apri-no-current-row.png"));
        // The keyboard still picks, from the first row.
        QTest::keyClick(m_screen->lstFiles, Qt::Key_Down);
        QCOMPARE(m_screen->lstFiles->currentRow(), 0);
        // A rebuilt list (after a delete, at the next show) starts again with none.
        m_screen->close();
        showFromStart();
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        m_screen->lstFiles->setFocus(Qt::TabFocusReason);
        QVERIFY(m_screen->lstFiles->hasFocus());
        QVERIFY(!m_screen->lstFiles->currentIndex().isValid());
    }

    void clickOrDoubleClickOnlySelects()
    {
        addFlyers({QStringLiteral("Estate.lis")});
        showFromStart();
        QListWidgetItem* item = m_screen->lstFiles->item(0);
        const QPoint centre = m_screen->lstFiles->visualItemRect(item).center();
        QTest::mouseDClick(m_screen->lstFiles->viewport(), Qt::LeftButton, {}, centre);
        QTest::keyClick(m_screen->lstFiles, Qt::Key_Return);
        QVERIFY(item->isSelected());
        QVERIFY(m_screen->isVisible());
        QVERIFY(!m_screens->frmListinoPrezzi->isVisible());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void deleteRemovesTheArchiveOnlyAndRebuildsTheList()
    {
        addFlyers({QStringLiteral("Autunno.lis"), QStringLiteral("Estate.lis")});
        QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Foto_Listino")));
        const QString photo = m_folder->file(QStringLiteral("Foto_Listino/Estate_Foto_A_1.jpg"));
        const QString preview = m_folder->file(QStringLiteral("Foto_Listino/Estate_Anteprima_A.jpg"));
        QVERIFY(WriteFile(photo, "jpeg"));
        QVERIFY(WriteFile(preview, "jpeg"));
        showFromStart();

        select(QStringLiteral("Estate.lis"));
        clickDelete();
        QCOMPARE(m_dialogs->messageTexts(), QStringList({kConfirmDelete, kDeleted}));
        QCOMPARE(m_dialogs->messages.at(0).kind, ui::MessageKind::Confirmation);
        QCOMPARE(m_dialogs->messages.at(1).kind, ui::MessageKind::Information);
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Estate.lis"))));
        QVERIFY(QFileInfo::exists(photo));
        QVERIFY(QFileInfo::exists(preview));
        QCOMPARE(entries(m_screen->lstFiles), QStringList{QStringLiteral("Autunno.lis")});
        QCOMPARE(m_screen->lblCreati->text(), QStringLiteral("Sono stati creati 1 volantini offerte."));
        QVERIFY(m_screen->lstFiles->selectedItems().isEmpty());
        QVERIFY(m_screen->lblFile->text().isEmpty());
        QVERIFY(m_screen->isVisible());

        // The last one too.
        m_dialogs->messages.clear();
        select(QStringLiteral("Autunno.lis"));
        clickDelete();
        QCOMPARE(m_dialogs->messageTexts(), QStringList({kConfirmDelete, kDeleted}));
        QVERIFY(entries(m_screen->lstFiles).isEmpty());
        QCOMPARE(m_screen->lblCreati->text(), QStringLiteral("Sono stati creati 0 volantini offerte."));

        // Closing after a delete leads back to the start screen, not to the editor.
        m_screen->close();
        QVERIFY(m_screens->frmAvvio->isVisible());
        QVERIFY(!m_screens->frmListinoPrezzi->isVisible());
        QVERIFY(!m_screen->isVisible());
    }

    void answeringNoKeepsTheFlyer()
    {
        addFlyers({QStringLiteral("Estate.lis")});
        showFromStart();
        select(QStringLiteral("Estate.lis"));
        m_dialogs->answers.push_back(ui::MessageAnswer::No);
        clickDelete();
        QCOMPARE(m_dialogs->messageTexts(), QStringList{kConfirmDelete});
        QCOMPARE(ReadFile(m_folder->file(QStringLiteral("Estate.lis"))), QByteArray(3696, 0));
        QCOMPARE(entries(m_screen->lstFiles), QStringList{QStringLiteral("Estate.lis")});
        QVERIFY(m_screen->lstFiles->item(0)->isSelected());
    }

    void aFailedDeleteIsToldAndTheListRebuilt()
    {
        addFlyers({QStringLiteral("Autunno.lis"), QStringLiteral("Estate.lis")});
        showFromStart();
        select(QStringLiteral("Estate.lis"));
        // Someone else removed it meanwhile.
        QVERIFY(QFile::remove(m_folder->file(QStringLiteral("Estate.lis"))));
        clickDelete();
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList({kConfirmDelete,
                              QStringLiteral("Attenzione: non è stato possibile eliminare il "
                                             "volantino offerte selezionato.")}));
        QCOMPARE(m_dialogs->messages.at(1).kind, ui::MessageKind::Warning);
        QCOMPARE(entries(m_screen->lstFiles), QStringList{QStringLiteral("Autunno.lis")});
        QCOMPARE(m_screen->lblCreati->text(), QStringLiteral("Sono stati creati 1 volantini offerte."));
    }

    void anEntryWithBlanksNamesItsOwnFile()
    {
        // A hand-copied " Estate.lis" beside "Estate.lis": deleting one never removes the other.
        addFlyers({QStringLiteral(" Estate.lis"), QStringLiteral("Estate.lis")});
        showFromStart();
        select(QStringLiteral(" Estate.lis"));
        clickDelete();
        QCOMPARE(m_dialogs->messageTexts(), QStringList({kConfirmDelete, kDeleted}));
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral(" Estate.lis"))));
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Estate.lis"))));
        QCOMPARE(entries(m_screen->lstFiles), QStringList{QStringLiteral("Estate.lis")});
    }
};

VETRINALIA_TEST(ApriCatalogoTest)
#include "ApriCatalogoTest.moc"
