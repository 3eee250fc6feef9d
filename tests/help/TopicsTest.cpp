#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "TestRegistry.h"

#include "help/Guida.h"
#include "help/HelpTopics.h"
#include "help/HelpWindows.h"
#include "support/ProgramScreens.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

const QString kSeparator = QStringLiteral("\r\n\r\n");

// What one help window showed while it was open.
struct Seen {
    QString objectName;
    QString title;
    QString body;
    bool readOnly = false;
    bool modal = false;
    bool activeModal = false;
    QWidget* parent = nullptr;
    int titleWidth = 0;
    int titleTextWidth = 0;
    int scrollMaximum = 0;
    QPointer<QDialog> dialog;
};

} // namespace

class TopicsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestFolder> m_folder;
    std::unique_ptr<testing::ProgramScreens> m_screens;

    // Opens the topic through ShowHelpTopic and records what the live window shows.
    Seen showTopic(help::HelpTopic topic, QWidget* owner)
    {
        testing::ScriptedDialogs dialogs;
        Seen seen;
        dialogs.onModal = [&seen](QDialog& dialog) {
            auto* lblTitolo = dialog.findChild<QLabel*>(QStringLiteral("lblTitolo"));
            auto* txtGuida = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"));
            QVERIFY(lblTitolo && txtGuida);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            seen.objectName = dialog.objectName();
            seen.title = lblTitolo->text();
            seen.body = txtGuida->toPlainText();
            seen.readOnly = txtGuida->isReadOnly();
            seen.modal = dialog.isModal();
            seen.activeModal = QApplication::activeModalWidget() == &dialog;
            seen.parent = dialog.parentWidget();
            seen.titleWidth = lblTitolo->width();
            seen.titleTextWidth = lblTitolo->fontMetrics().horizontalAdvance(lblTitolo->text());
            seen.scrollMaximum = txtGuida->verticalScrollBar()->maximum();
            seen.dialog = &dialog;
        };
        help::ShowHelpTopic(*m_screens, owner, topic);
        return seen;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = std::make_unique<testing::TestFolder>();
        m_screens = std::make_unique<testing::ProgramScreens>();
    }

    void cleanupTestCase()
    {
        m_screens.reset();
        m_folder.reset();
    }

    void helpWindowShowsTheTopicAndIsDiscarded()
    {
        QWidget owner;
        const Seen seen = showTopic(help::HelpTopic::Start, &owner);
        QCOMPARE(seen.objectName, QStringLiteral("frmGuida"));
        QCOMPARE(seen.title, QStringLiteral("Uno sguardo a Vetrinalia"));
        QString shown = help::HelpTopicBody(help::HelpTopic::Start);
        shown.replace(kSeparator, QStringLiteral("\n\n"));
        QCOMPARE(seen.body, shown);
        QVERIFY(seen.readOnly);
        QVERIFY(seen.modal);
        QVERIFY(seen.activeModal);
        QCOMPARE(seen.parent, &owner);
        QVERIFY(seen.titleWidth >= seen.titleTextWidth);
        QVERIFY(seen.titleWidth < seen.titleTextWidth + 20);
        QVERIFY2(seen.scrollMaximum > 0, "the start topic is longer than the box and scrolls");
        QVERIFY(seen.dialog.isNull());
    }

    void twoHelpWindowsInARowShowOnlyTheirOwnTopic()
    {
        QWidget owner;
        const Seen first = showTopic(help::HelpTopic::Start, &owner);
        const Seen second = showTopic(help::HelpTopic::Editor, &owner);
        QCOMPARE(first.title, QStringLiteral("Uno sguardo a Vetrinalia"));
        QCOMPARE(second.title, QStringLiteral("App Pagine Volantino"));
        QString editor = help::HelpTopicBody(help::HelpTopic::Editor);
        editor.replace(kSeparator, QStringLiteral("\n\n"));
        QCOMPARE(second.body, editor);
        QVERIFY(!second.body.contains(help::HelpParagraph(1)));
        QVERIFY(first.dialog.isNull() && second.dialog.isNull());

        const Seen create = showTopic(help::HelpTopic::CreateOpen, &owner);
        const Seen open = showTopic(help::HelpTopic::CreateOpen, &owner);
        QCOMPARE(create.title, open.title);
        QCOMPARE(create.body, open.body);

        // The registry's own help window is never used.
        QCOMPARE(m_screens->frmGuida->lblTitolo->text(), QStringLiteral("Argomento della guida."));
        QVERIFY(m_screens->frmGuida->txtGuida->toPlainText().isEmpty());
        QVERIFY(!m_screens->frmGuida->isVisible());
    }

    void bodyCannotBeEdited()
    {
        help::TfrmGuida guida(*m_screens);
        guida.ShowTopic(help::HelpTopicTitle(help::HelpTopic::Editor), help::HelpTopicBody(help::HelpTopic::Editor));
        guida.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guida));
        const QString before = guida.txtGuida->toPlainText();
        guida.txtGuida->setFocus();
        QTest::keyClicks(guida.txtGuida, QStringLiteral("abc"));
        QTest::keyClick(guida.txtGuida, Qt::Key_Delete);
        QTest::keyClick(guida.txtGuida, Qt::Key_Backspace);
        QTest::keyClick(guida.txtGuida, Qt::Key_Return);
        QCOMPARE(guida.txtGuida->toPlainText(), before);
        QVERIFY(guida.isVisible());
    }

    void closeButtonClosesTheWindow()
    {
        testing::ScriptedDialogs dialogs;
        int closed = 0;
        dialogs.onModal = [&closed](QDialog& dialog) {
            auto* btnChiudi = dialog.findChild<QWidget*>(QStringLiteral("btnChiudi"));
            QVERIFY(btnChiudi);
            QTest::mouseClick(btnChiudi, Qt::LeftButton);
            closed += dialog.isVisible() ? 0 : 1;
        };
        QWidget owner;
        help::ShowHelpTopic(*m_screens, &owner, help::HelpTopic::Editor);
        help::OpenInfo(*m_screens, &owner);
        help::OpenSplash(*m_screens, &owner);
        QCOMPARE(closed, 3);
        QCOMPARE(dialogs.modalDialogs,
                 (QStringList{QStringLiteral("frmGuida"), QStringLiteral("frmInfo"), QStringLiteral("frmSplash")}));
    }
};

VETRINALIA_TEST(TopicsTest)
#include "TopicsTest.moc"
