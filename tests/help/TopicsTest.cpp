#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "TestRegistry.h"

#include "app/Screens.h"
#include "help/Guida.h"
#include "help/HelpTopics.h"

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
    std::unique_ptr<app::Screens> m_screens;

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
        m_screens = std::make_unique<app::Screens>();
    }

    void cleanupTestCase()
    {
        m_screens.reset();
        m_folder.reset();
    }

    void topicsHaveTheirTitleAndParagraphs_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("start") << int(help::HelpTopic::Start) << QStringLiteral("Uno sguardo a Vetrinalia") << 1 << 14;
        QTest::newRow("create and open") << int(help::HelpTopic::CreateOpen)
                                         << QStringLiteral("Creazione e apertura dei volantini offerte") << 2 << 7;
        QTest::newRow("editor") << int(help::HelpTopic::Editor) << QStringLiteral("App Pagine Volantino") << 8 << 10;
    }

    void topicsHaveTheirTitleAndParagraphs()
    {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QFETCH(int, first);
        QFETCH(int, last);
        const auto helpTopic = static_cast<help::HelpTopic>(topic);
        QCOMPARE(help::HelpTopicTitle(helpTopic), title);

        const QString body = help::HelpTopicBody(helpTopic);
        QStringList expected;
        for (int number = first; number <= last; ++number) {
            QVERIFY(!help::HelpParagraph(number).isEmpty());
            expected << help::HelpParagraph(number);
        }
        QCOMPARE(body.split(kSeparator), expected);

        // No line break or blank before the first paragraph or after the last, and none
        // inside a paragraph.
        QVERIFY(!body.front().isSpace());
        QVERIFY(body.endsWith(u'.'));
        QString rest = body;
        rest.remove(kSeparator);
        QVERIFY(!rest.contains(u'\r'));
        QVERIFY(!rest.contains(u'\n'));
    }

    void startTopicHoldsTheOtherTopicsWordForWord()
    {
        const QString start = help::HelpTopicBody(help::HelpTopic::Start);
        QVERIFY(start.contains(help::HelpTopicBody(help::HelpTopic::CreateOpen)));
        QVERIFY(start.contains(help::HelpTopicBody(help::HelpTopic::Editor)));
        const QStringList paragraphs = start.split(kSeparator);
        for (int number = 2; number <= 10; ++number)
            QCOMPARE(paragraphs.at(number - 1), help::HelpParagraph(number));
    }

    void paragraphsReadAsWritten()
    {
        QCOMPARE(help::HelpParagraph(0), QString());
        QCOMPARE(help::HelpParagraph(15), QString());
        QCOMPARE(help::HelpParagraph(7),
                 QStringLiteral("L'icona del cestino consente di eliminare il volantino offerte selezionato. Questa "
                                "funzione va utilizzata con molta cautela dal momento che un archivio eliminato non "
                                "può essere recuperato."));
        QVERIFY(help::HelpParagraph(12).endsWith(
            QStringLiteral("bisogna utilizzare la parola chiave \"chiaveiniziale\" (scritta senza le virgolette).")));
        QVERIFY(help::HelpParagraph(1).startsWith(QStringLiteral("Vetrinalia è un software rivolto ad attività")));
        const QString network = QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha "
                                               "necessità di condividere gli archivi fra più postazioni di lavoro. ");
        QVERIFY(help::HelpParagraph(13).startsWith(network));
        const QString licence = help::HelpParagraph(13).mid(network.size());
        QVERIFY(licence.contains(QStringLiteral("software libero")));
        QVERIFY(licence.contains(QStringLiteral("licenza MIT")));
        QVERIFY(licence.endsWith(u'.'));
        QVERIFY(help::HelpParagraph(14).endsWith(QStringLiteral("tempi di apprendimento praticamente nulli.")));
    }

    void licenceFileIsTheMitLicence()
    {
        const QByteArray licence = testing::ReadFile(QStringLiteral(VETRINALIA_SOURCE_DIR "/LICENSE"));
        QVERIFY(licence.startsWith("MIT License"));
        QVERIFY(licence.contains("Permission is hereby granted, free of charge"));
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
