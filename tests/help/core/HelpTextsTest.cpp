// The help topics' titles and texts.
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "help/HelpTopics.h"

#include <QTest>

namespace {

const QString kSeparator = QStringLiteral("\r\n\r\n");

} // namespace

class HelpTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        // The open screen's topic ends with the paragraph on its price-list and export buttons.
        if (helpTopic == help::HelpTopic::CreateOpen)
            expected << help::ExchangeParagraph();
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
        QString createOpen = help::HelpTopicBody(help::HelpTopic::CreateOpen);
        createOpen.chop(help::ExchangeParagraph().size() + kSeparator.size());
        QVERIFY(start.contains(createOpen));
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
};

VETRINALIA_TEST(HelpTextsTest)
#include "HelpTextsTest.moc"
