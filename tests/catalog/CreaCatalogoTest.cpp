#include "catalog/CreaCatalogo.h"

#include "start/Avvio.h"
#include "support/ProgramScreens.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cerrno>

#include <memory>

using testing::ReadFile;
using testing::ScriptedDialogs;
using testing::TestFolder;
using testing::WriteFile;

namespace {

const QString kCreated =
    QStringLiteral("Il file di archivio relativo al nuovo volantino offerte è stato creato con successo.\r\n\r\n"
                   "E' ora possibile visualizzarlo nell'elenco dei volantini esistenti.");
const QString kUsed = QStringLiteral(
    "Attenzione: il nome del volantino offerte indicato è già stato utilizzato in precedenza.\r\n\r\n"
    "Inserire un nome diverso oppure, se si desidera aprire un volantino offerte già creato, premere il pulsante "
    "Apri volantino esistente.");
const QString kEmpty =
    QStringLiteral("Attenzione: per creare l'archivio è necessario indicare il nome del nuovo volantino offerte.");
const QString kRefused = QStringLiteral("Attenzione: il nome del volantino offerte contiene caratteri non ammessi.");

// Types text one character at a time as key presses carrying that character.
void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

QStringList folderEntries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class CreaCatalogoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<testing::ProgramScreens> m_screens;
    catalog::TfrmCreaCatalogo* m_screen = nullptr;

    void showFromStart()
    {
        m_screens->frmAvvio->showScreen();
        QTest::mouseClick(m_screens->frmAvvio->btnApp01, Qt::LeftButton);
        QVERIFY(m_screen->isVisible());
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_screens = std::make_unique<testing::ProgramScreens>();
        m_screen = m_screens->frmCreaCatalogo;
    }

    void cleanup()
    {
        m_screens.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void layoutOfTheField()
    {
        QCOMPARE(m_screen->windowTitle(), QStringLiteral(" Vetrinalia - Creazione volantino offerte"));
        QCOMPARE(m_screen->txtFile->geometry(), QRect(438, 240, 526, 34));
        QCOMPARE(m_screen->txtFile->maxLength(), 250);
        QCOMPARE(m_screen->txtFile->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(m_screen->txtFile->font().pointSize(), 16);
        QVERIFY(m_screen->txtFile->font().bold());
        QCOMPARE(m_screen->btnAnnulla->geometry(), QRect(436, 603, 258, 45));
        QCOMPARE(m_screen->btnApplica->geometry(), QRect(710, 603, 258, 45));
        QCOMPARE(m_screen->imgGuida->geometry(), QRect(946, 152, 29, 28));
        QVERIFY(m_screen->lblFile->isHidden());
    }

    void showEmptiesTheFieldAndFocusesIt()
    {
        showFromStart();
        m_screen->txtFile->setText(QStringLiteral("Estate"));
        QTest::mouseClick(m_screen->btnAnnulla, Qt::LeftButton);
        QVERIFY(!m_screen->isVisible());
        QVERIFY(m_screens->frmAvvio->isVisible());
        QVERIFY(folderEntries(m_folder->path()).isEmpty());
        showFromStart();
        QVERIFY(m_screen->txtFile->text().isEmpty());
        QCOMPARE(m_screen->focusWidget(), m_screen->txtFile);
    }

    void enterDoesNothing()
    {
        showFromStart();
        typeText(m_screen->txtFile, QStringLiteral("Estate"));
        QTest::keyClick(m_screen->txtFile, Qt::Key_Return);
        QTest::keyClick(m_screen->txtFile, Qt::Key_Enter, Qt::ShiftModifier);
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_screen->isVisible());
        QCOMPARE(m_screen->txtFile->text(), QStringLiteral("Estate"));
        QCOMPARE(m_screen->focusWidget(), m_screen->txtFile);
        QVERIFY(folderEntries(m_folder->path()).isEmpty());
    }

    void confirm_data()
    {
        QTest::addColumn<bool>("typed"); // typed key by key, or pasted
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("fieldText"); // what the field holds before confirming
        QTest::addColumn<QString>("created");   // archive file expected, empty for none
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("plain");

        QTest::newRow("plain name") << true << QStringLiteral("Estate 2026") << QStringLiteral("Estate 2026")
                                    << QStringLiteral("Estate 2026.lis") << kCreated << false;
        QTest::newRow("blanks around") << false << QStringLiteral("  \tEstate  ") << QStringLiteral("  \tEstate  ")
                                       << QStringLiteral("Estate.lis") << kCreated << false;
        QTest::newRow("ends in .lis") << false << QStringLiteral("Estate.lis") << QStringLiteral("Estate.lis")
                                      << QStringLiteral("Estate.lis.lis") << kCreated << false;
        QTest::newRow("filtered characters typed")
            << true << QString::fromUtf8("a\"b*c/d:e<f>g?h\\i°jÇkÑlçmñn|o") << QStringLiteral("abcdefghijklmn|o")
            << QStringLiteral("abcdefghijklmn|o.lis") << kCreated << false;
        QTest::newRow("accents pass") << true << QString::fromUtf8("Però è così") << QString::fromUtf8("Però è così")
                                      << QString::fromUtf8("Però è così.lis") << kCreated << false;
        QTest::newRow("only blanks") << true << QStringLiteral("   ") << QStringLiteral("   ") << QString() << kEmpty
                                     << false;
        QTest::newRow("nothing") << true << QString() << QString() << QString() << kEmpty << false;
        QTest::newRow("pasted parent") << false << QStringLiteral("../x") << QStringLiteral("../x") << QString()
                                       << kRefused << false;
        QTest::newRow("pasted slash") << false << QStringLiteral("a/b") << QStringLiteral("a/b") << QString()
                                      << kRefused << false;
        QTest::newRow("pasted backslash")
            << false << QStringLiteral("a\\b") << QStringLiteral("a\\b") << QString() << kRefused << false;
        QTest::newRow("pasted control") << false << QStringLiteral("a\nb") << QStringLiteral("a\nb") << QString()
                                        << kRefused << false;
        const QString tooLong(250, QChar(0xE0)); // 500 bytes in UTF-8: longer than a file name may be
        QTest::newRow("name too long for the file system")
            << false << tooLong << tooLong << QString() << QStringLiteral("I/O error 36.") << true;
    }

    void confirm()
    {
        QFETCH(bool, typed);
        QFETCH(QString, input);
        QFETCH(QString, fieldText);
        QFETCH(QString, created);
        QFETCH(QString, message);
        QFETCH(bool, plain);

        QVERIFY(WriteFile(m_folder->file(QStringLiteral("nota.txt")), "x"));
        showFromStart();
        if (typed)
            typeText(m_screen->txtFile, input);
        else
            m_screen->txtFile->setText(input);
        QCOMPARE(m_screen->txtFile->text(), fieldText);

        QTest::mouseClick(m_screen->btnApplica, Qt::LeftButton);
        QCOMPARE(m_dialogs->messageTexts(), QStringList{message});
        QCOMPARE(m_dialogs->messages.first().plain, plain);
        if (!plain)
            QCOMPARE(m_dialogs->messages.first().kind,
                     created.isEmpty() ? ui::MessageKind::Warning : ui::MessageKind::Information);

        QStringList expected{QStringLiteral("nota.txt")};
        if (!created.isEmpty())
            expected << created;
        expected.sort();
        QCOMPARE(folderEntries(m_folder->path()), expected);
        QVERIFY(!QFileInfo::exists(m_folder->path() + QStringLiteral("../x.lis")));
        if (!created.isEmpty()) {
            QCOMPARE(QFileInfo(m_folder->file(created)).size(), 0);
            QVERIFY(!m_screen->isVisible());
            QVERIFY(m_screens->frmAvvio->isVisible());
        } else {
            // Refused: the screen stays, the name stays in the field.
            QVERIFY(m_screen->isVisible());
            QVERIFY(!m_screens->frmAvvio->isVisible());
            QCOMPARE(m_screen->txtFile->text(), fieldText);
            if (!plain)
                QCOMPARE(m_screen->focusWidget(), m_screen->txtFile);
        }
    }

    void anExistingNameIsRefusedAndTheFileUntouched()
    {
        const QString path = m_folder->file(QStringLiteral("Estate.lis"));
        QVERIFY(WriteFile(path, QByteArray(3696, 'p')));
        showFromStart();
        typeText(m_screen->txtFile, QStringLiteral(" Estate "));
        QTest::mouseClick(m_screen->btnApplica, Qt::LeftButton);
        QCOMPARE(m_dialogs->messageTexts(), QStringList{kUsed});
        QCOMPARE(m_dialogs->messages.first().kind, ui::MessageKind::Warning);
        QCOMPARE(ReadFile(path), QByteArray(3696, 'p'));
        QVERIFY(m_screen->isVisible());
        QCOMPARE(m_screen->txtFile->text(), QStringLiteral(" Estate "));
        QCOMPARE(m_screen->lblFile->text(), path);

        // A different name then goes through, and the field is empty at the next visit.
        m_screen->txtFile->setText(QStringLiteral("Autunno"));
        QTest::mouseClick(m_screen->btnApplica, Qt::LeftButton);
        QCOMPARE(m_dialogs->messageTexts().last(), kCreated);
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Autunno.lis"))));
        showFromStart();
        QVERIFY(m_screen->txtFile->text().isEmpty());
    }

    // A folder named Estate.lis is no flyer: the name is not "already used", the file
    // cannot be created, and the default error report says so.
    void aFolderInTheWayIsAnErrorNotAUsedName()
    {
        QVERIFY(QDir().mkpath(m_folder->file(QStringLiteral("Estate.lis"))));
        showFromStart();
        typeText(m_screen->txtFile, QStringLiteral("Estate"));
        QTest::mouseClick(m_screen->btnApplica, Qt::LeftButton);
        QCOMPARE(m_dialogs->messageTexts(), QStringList{QStringLiteral("I/O error %1.").arg(EISDIR)});
        QVERIFY(m_dialogs->messages.first().plain);
        QVERIFY(QFileInfo(m_folder->file(QStringLiteral("Estate.lis"))).isDir());
        QVERIFY(m_screen->isVisible());
        QCOMPARE(m_screen->txtFile->text(), QStringLiteral("Estate"));
    }

    void composedTextIsFilteredToo()
    {
        showFromStart();
        typeText(m_screen->txtFile, QStringLiteral("ab"));
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("ç:d"));
        QCoreApplication::sendEvent(m_screen->txtFile, &composed);
        QCOMPARE(m_screen->txtFile->text(), QStringLiteral("abd"));
    }

    void theFieldAcceptsNoMoreThan250Characters()
    {
        showFromStart();
        typeText(m_screen->txtFile, QString(260, QLatin1Char('a')));
        QCOMPARE(m_screen->txtFile->text(), QString(250, QLatin1Char('a')));
    }
};

VETRINALIA_TEST(CreaCatalogoTest)
#include "CreaCatalogoTest.moc"
