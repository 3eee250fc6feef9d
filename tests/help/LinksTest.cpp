#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "TestRegistry.h"

#include "base/ProgramFolder.h"
#include "support/ProgramScreens.h"
#include "ui/Widgets.h"
#include "help/Guida.h"
#include "help/HelpWindows.h"
#include "help/Info.h"
#include "help/LinkText.h"
#include "help/OpenURL.h"
#include "help/Splash.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

const QColor kDarkBlue(0x00, 0x00, 0x8B);
const QColor kOrange(0xFF, 0xA5, 0x00);

const QString kMailText = QStringLiteral(
    "mailto:vetrinalia@example.org?subject=Software Vetrinalia&body=Salve, desidererei avere le seguenti "
    "informazioni sul software in oggetto:");

} // namespace

class LinksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestFolder> m_folder;
    std::unique_ptr<testing::ProgramScreens> m_screens;

    std::unique_ptr<QDialog> makeDialog(const QString& kind)
    {
        if (kind == QLatin1String("info"))
            return std::make_unique<help::TfrmInfo>(*m_screens);
        if (kind == QLatin1String("splash"))
            return std::make_unique<help::TfrmSplash>(*m_screens);
        return std::make_unique<help::TfrmGuida>(*m_screens);
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

    void commandsBecomeUrls_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected"); // toString() of the URL, empty for none
        QTest::addColumn<QString>("localFile");

        QTest::newRow("quoted path") << QStringLiteral("\"/opt/Vetrinalia/Guida.pdf\"")
                                     << QStringLiteral("file:///opt/Vetrinalia/Guida.pdf")
                                     << QStringLiteral("/opt/Vetrinalia/Guida.pdf");
        QTest::newRow("path with blank, hash and percent")
            << QStringLiteral("\"/srv/Negozio #1/100% offerte/Guida.pdf\"")
            << QStringLiteral("file:///srv/Negozio %231/100%25 offerte/Guida.pdf")
            << QStringLiteral("/srv/Negozio #1/100% offerte/Guida.pdf");
        QTest::newRow("drive letter path") << QStringLiteral("\"C:\\Vetrinalia\\Guida.pdf\"")
                                           << QStringLiteral("file:///C:/Vetrinalia/Guida.pdf")
                                           << QUrl(QStringLiteral("file:///C:/Vetrinalia/Guida.pdf")).toLocalFile();
        QTest::newRow("web address") << QStringLiteral("https://www.vetrinalia.example.org")
                                     << QStringLiteral("https://www.vetrinalia.example.org") << QString();
        QTest::newRow("quoted web address") << QStringLiteral("\"https://www.example.org/volantini?x=1\"")
                                            << QStringLiteral("https://www.example.org/volantini?x=1") << QString();
        QTest::newRow("bare host") << QStringLiteral("www.vetrinalia.example.org") << QStringLiteral("http://www.vetrinalia.example.org")
                                   << QString();
        QTest::newRow("mail link") << QStringLiteral("\"") + kMailText + QStringLiteral("\"") << kMailText << QString();
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("only quotes") << QStringLiteral("\"\"") << QString() << QString();
    }

    void commandsBecomeUrls()
    {
        QFETCH(QString, command);
        QFETCH(QString, expected);
        QFETCH(QString, localFile);
        testing::ScriptedDialogs dialogs;
        help::TMisc::Open(command);
        if (expected.isEmpty()) {
            QVERIFY(dialogs.openedUrls.isEmpty());
            return;
        }
        QCOMPARE(dialogs.openedUrls.size(), 1);
        const QUrl url = dialogs.openedUrls.first();
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(), expected);
        QCOMPARE(url.isLocalFile(), !localFile.isEmpty());
        if (!localFile.isEmpty())
            QCOMPARE(url.toLocalFile(), localFile);
    }

    void mailLinkKeepsSubjectAndBodyAsTheyStand()
    {
        testing::ScriptedDialogs dialogs;
        help::TfrmInfo info(*m_screens);
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCOMPARE(info.lnkWeb->text(), QStringLiteral("vetrinalia@example.org"));
        QTest::mouseClick(info.lnkWeb, Qt::LeftButton);
        QCOMPARE(dialogs.openedUrls.size(), 1);
        const QUrl url = dialogs.openedUrls.first();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("vetrinalia@example.org"));
        QCOMPARE(url.toString(), kMailText);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Software Vetrinalia"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
        QCOMPARE(query.queryItems().size(), 2);
    }

    void linksAndIconsOpenTheSameAddress_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("linkText");
        QTest::addColumn<QString>("expected");
        const QString pdf = QUrl::fromLocalFile(QStringLiteral("%1Guida.pdf")).toString();
        QTest::newRow("info text") << "info" << "lnkWeb" << "vetrinalia@example.org" << kMailText;
        QTest::newRow("info icon") << "info" << "imgEmail" << "vetrinalia@example.org" << kMailText;
        QTest::newRow("splash text") << "splash" << "lnkWeb" << "www.vetrinalia.example.org" << "https://www.vetrinalia.example.org";
        QTest::newRow("splash icon") << "splash" << "imgWeb" << "www.vetrinalia.example.org" << "https://www.vetrinalia.example.org";
        QTest::newRow("help text") << "guida" << "lnkWeb" << "Visualizza guida in formato PDF" << "pdf";
        QTest::newRow("help icon") << "guida" << "imgPDF" << "Visualizza guida in formato PDF" << "pdf";
    }

    void linksAndIconsOpenTheSameAddress()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, linkText);
        QFETCH(QString, expected);

        // The guide's path goes in whole, blanks and all, as one file URL.
        const QString previous = base::ProgramFolder();
        const QString folder = m_folder->path() + QStringLiteral("Programmi Vetrinalia #2");
        QVERIFY(QDir().mkpath(folder));
        base::SetProgramFolder(folder);
        const QString guide = base::ProgramFolder() + QStringLiteral("Guida.pdf");

        testing::ScriptedDialogs dialogs;
        auto window = makeDialog(dialog);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* lnkWeb = window->findChild<help::LinkText*>(QStringLiteral("lnkWeb"));
        auto* target = window->findChild<QWidget*>(control);
        QVERIFY(lnkWeb && target);
        QCOMPARE(lnkWeb->text(), linkText);
        QVERIFY(target->cursor().shape() == Qt::PointingHandCursor);
        QVERIFY(lnkWeb->cursor().shape() == Qt::PointingHandCursor);
        QVERIFY(lnkWeb->font().underline());
        QCOMPARE(lnkWeb->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(lnkWeb->font().pointSize(), 14);
        QCOMPARE(lnkWeb->colour(), kDarkBlue);

        // Held down: orange; the icon stays as it is and nothing opens yet.
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(lnkWeb->colour(), kOrange);
        QVERIFY(dialogs.openedUrls.isEmpty());
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(lnkWeb->colour(), kDarkBlue);
        QCOMPARE(dialogs.openedUrls.size(), 1);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(dialogs.openedUrls.size(), 2);
        QCOMPARE(dialogs.openedUrls.at(0), dialogs.openedUrls.at(1));

        const QUrl url = dialogs.openedUrls.first();
        if (expected == QLatin1String("pdf")) {
            QVERIFY(url.isLocalFile());
            QCOMPARE(url.toLocalFile(), guide);
        } else {
            QCOMPARE(url.toString(), expected);
        }
        QVERIFY(window->isVisible());
        QVERIFY(dialogs.messages.isEmpty());
        base::SetProgramFolder(previous);
    }

    void releasingOutsideTheLinkOpensNothing()
    {
        testing::ScriptedDialogs dialogs;
        help::TfrmSplash splash(*m_screens);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        for (QWidget* target : {static_cast<QWidget*>(splash.lnkWeb), static_cast<QWidget*>(splash.imgWeb)}) {
            QTest::mousePress(target, Qt::LeftButton);
            QCOMPARE(splash.lnkWeb->colour(), kOrange);
            QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(target->width() + 30, target->height() + 30));
            QCOMPARE(splash.lnkWeb->colour(), kDarkBlue);
        }
        // Any button held colours the link; only the left one opens it.
        for (QWidget* target : {static_cast<QWidget*>(splash.lnkWeb), static_cast<QWidget*>(splash.imgWeb)}) {
            for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
                QTest::mousePress(target, button);
                QCOMPARE(splash.lnkWeb->colour(), kOrange);
                QTest::mouseRelease(target, button);
                QCOMPARE(splash.lnkWeb->colour(), kDarkBlue);
            }
        }
        QVERIFY(dialogs.openedUrls.isEmpty());
        // A double click follows the link once.
        for (QWidget* target : {static_cast<QWidget*>(splash.lnkWeb), static_cast<QWidget*>(splash.imgWeb)}) {
            // Through the window, so that Qt turns the second press into a double click.
            QTest::mouseDClick(splash.windowHandle(), Qt::LeftButton, {}, target->mapTo(&splash, target->rect().center()));
            QCOMPARE(splash.lnkWeb->colour(), kDarkBlue);
        }
        QCOMPARE(dialogs.openedUrls.size(), 2);
    }

    void linkOpensFromTheKeyboard()
    {
        testing::ScriptedDialogs dialogs;
        help::TfrmGuida guida(*m_screens);
        guida.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guida));
        QVERIFY(guida.lnkWeb->focusPolicy() & Qt::TabFocus);
        guida.lnkWeb->setFocus();
        QTest::keyClick(guida.lnkWeb, Qt::Key_Space);
        QTest::keyClick(guida.lnkWeb, Qt::Key_Return);
        QCOMPARE(dialogs.openedUrls.size(), 2);
        QCOMPARE(dialogs.openedUrls.first().toLocalFile(), base::ProgramFolder() + QStringLiteral("Guida.pdf"));
    }

    void webSiteOpensFromTheStartScreen()
    {
        testing::ScriptedDialogs dialogs;
        help::OpenWebSite();
        QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://www.vetrinalia.example.org"))});
    }

    void windowsHaveTheirCaptionsAndSizes_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("info") << "info" << " Informazioni su Vetrinalia" << QSize(473, 579);
        QTest::newRow("splash") << "splash" << " Vetrinalia - Software libero di Studio Vetrinalia" << QSize(661, 467);
        QTest::newRow("help") << "guida" << " Guida all'utilizzo del software" << QSize(670, 572);
    }

    void windowsHaveTheirCaptionsAndSizes()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        auto window = makeDialog(dialog);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), size);
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        // Every control sits inside the window.
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isWindow() && child->parentWidget() == window.get())
                QVERIFY2(window->rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
        auto* btnChiudi = window->findChild<QPushButton*>(QStringLiteral("btnChiudi"));
        QVERIFY(btnChiudi);
        QCOMPARE(btnChiudi->text(), QStringLiteral("Chiudi"));
        // The link shows its whole text and stays clear of the close button (it takes its
        // size when shown).
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* lnkWeb = window->findChild<help::LinkText*>(QStringLiteral("lnkWeb"));
        QVERIFY(lnkWeb);
        QVERIFY(lnkWeb->width() >= lnkWeb->fontMetrics().horizontalAdvance(lnkWeb->text()));
        const QRect link(lnkWeb->mapTo(window.get(), QPoint(0, 0)), lnkWeb->size());
        const QRect button(btnChiudi->mapTo(window.get(), QPoint(0, 0)), btnChiudi->size());
        QVERIFY(!link.intersects(button));
        QVERIFY(window->rect().contains(link));
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->objectName().startsWith(QLatin1String("lnk")) || control->objectName().startsWith(QLatin1String("btn"))
                || qobject_cast<ui::PictureButton*>(control))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }
};

VETRINALIA_TEST(LinksTest)
#include "LinksTest.moc"
