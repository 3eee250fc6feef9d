#include "access/Password.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/ListinoPrezzi.h"
#include "start/Avvio.h"
#include "support/ProgramScreens.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"
#include "ui/Widgets.h"

#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using testing::ScriptedDialogs;
using testing::TestFolder;

namespace {

// Notes, at the moment a screen hides, whether another long-lived screen is already visible.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* watched, std::function<bool()> anotherVisible)
        : m_anotherVisible(std::move(anotherVisible))
    {
        watched->installEventFilter(this);
    }
    int hides = 0;
    int hidesWithNothingElseVisible = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            ++hides;
            if (!m_anotherVisible())
                ++hidesWithNothingElseVisible;
        }
        return false;
    }

private:
    std::function<bool()> m_anotherVisible;
};

} // namespace

class FlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<testing::ProgramScreens> m_screens;

    QList<QWidget*> longLived() const
    {
        return {m_screens->frmPassword, m_screens->frmAvvio, m_screens->frmCreaCatalogo, m_screens->frmApriCatalogo,
                m_screens->frmListinoPrezzi};
    }

    QWidget* theVisibleScreen() const
    {
        QWidget* visible = nullptr;
        for (QWidget* screen : longLived()) {
            if (screen->isVisible()) {
                if (visible)
                    return nullptr; // more than one
                visible = screen;
            }
        }
        return visible;
    }

    ui::PictureButton* avvioButton(const QString& name) const
    {
        return m_screens->frmAvvio->findChild<ui::PictureButton*>(name);
    }

    // Runs the application's event loop with trigger as its first event; true when the
    // trigger asked the loop to end. A fallback posted after the trigger ends the loop
    // otherwise; it is only reached when the loop is still running.
    static bool endsTheProgram(const std::function<void()>& trigger)
    {
        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
        // The fallback is dropped with its context when it was not needed, so that it cannot
        // end a later event loop.
        auto context = std::make_unique<QObject>();
        QObject* fallbackContext = context.get();
        QTimer::singleShot(0, fallbackContext, [trigger, fallbackContext] {
            trigger();
            QTimer::singleShot(0, fallbackContext, [] { QCoreApplication::exit(1); });
        });
        const int code = QCoreApplication::exec();
        context.reset();
        return code == 0 && aboutToQuit.count() == 1;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_screens = std::make_unique<testing::ProgramScreens>();
        m_screens->frmAvvio->showScreen();
    }

    void cleanup()
    {
        m_screens.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void eachCardLeadsToItsScreen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("screen");
        QTest::newRow("create picture") << QStringLiteral("imgApp01") << QStringLiteral("frmCreaCatalogo");
        QTest::newRow("create bar") << QStringLiteral("btnApp01") << QStringLiteral("frmCreaCatalogo");
        QTest::newRow("open picture") << QStringLiteral("imgApp02") << QStringLiteral("frmApriCatalogo");
        QTest::newRow("open bar") << QStringLiteral("btnApp02") << QStringLiteral("frmApriCatalogo");
    }

    void eachCardLeadsToItsScreen()
    {
        QFETCH(QString, control);
        QFETCH(QString, screen);
        HideWatcher watcher(m_screens->frmAvvio, [this] {
            return m_screens->frmCreaCatalogo->isVisible() || m_screens->frmApriCatalogo->isVisible();
        });
        ui::PictureButton* button = avvioButton(control);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(theVisibleScreen());
        QCOMPARE(theVisibleScreen()->objectName(), screen);
        // The new screen was shown before the start screen went.
        QCOMPARE(watcher.hides, 1);
        QCOMPARE(watcher.hidesWithNothingElseVisible, 0);
    }

    void closingAWorkScreenGoesBackToStart_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("how");
        QTest::newRow("create, Annulla") << QStringLiteral("btnApp01") << QStringLiteral("btnAnnulla");
        QTest::newRow("create, window") << QStringLiteral("btnApp01") << QStringLiteral("window");
        QTest::newRow("open, Annulla") << QStringLiteral("btnApp02") << QStringLiteral("btnAnnulla");
        QTest::newRow("open, window") << QStringLiteral("btnApp02") << QStringLiteral("window");
    }

    void closingAWorkScreenGoesBackToStart()
    {
        QFETCH(QString, card);
        QFETCH(QString, how);
        QTest::mouseClick(avvioButton(card), Qt::LeftButton);
        QWidget* screen = theVisibleScreen();
        QVERIFY(screen && screen != m_screens->frmAvvio);
        HideWatcher watcher(screen, [this] { return m_screens->frmAvvio->isVisible(); });
        if (how == QLatin1String("window"))
            screen->close();
        else
            QTest::mouseClick(screen->findChild<ui::PictureButton*>(how), Qt::LeftButton);
        QCOMPARE(theVisibleScreen(), m_screens->frmAvvio);
        QCOMPARE(watcher.hidesWithNothingElseVisible, 0);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void closingTheEditorGoesBackToStart()
    {
        QVERIFY(testing::WriteFile(m_folder->file(QStringLiteral("Estate.lis")), {}));
        QTest::mouseClick(avvioButton(QStringLiteral("btnApp02")), Qt::LeftButton);
        catalog::TfrmApriCatalogo* open = m_screens->frmApriCatalogo;
        open->lstFiles->setCurrentRow(0);
        QTest::mouseClick(open->btnApri, Qt::LeftButton);
        QCOMPARE(theVisibleScreen(), m_screens->frmListinoPrezzi);
        m_screens->frmListinoPrezzi->close();
        QCOMPARE(theVisibleScreen(), m_screens->frmAvvio);
    }

    void theStartScreenEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byWindow");
        QTest::newRow("imgEsci") << false;
        QTest::newRow("window close button") << true;
    }

    void theStartScreenEndsTheProgram()
    {
        QFETCH(bool, byWindow);
        QVERIFY(!m_screens->frmPassword->isVisible()); // the main window is hidden meanwhile
        QVERIFY(endsTheProgram([this, byWindow] {
            if (byWindow)
                m_screens->frmAvvio->close();
            else
                QTest::mouseClick(avvioButton(QStringLiteral("imgEsci")), Qt::LeftButton);
        }));
        // Nothing else opened on the way out.
        QVERIFY(!m_screens->frmCreaCatalogo->isVisible());
        QVERIFY(!m_screens->frmApriCatalogo->isVisible());
        QVERIFY(!m_screens->frmListinoPrezzi->isVisible());
    }

    void otherScreensDoNotEndTheProgram()
    {
        QVERIFY(!endsTheProgram([this] {
            QTest::mouseClick(avvioButton(QStringLiteral("btnApp01")), Qt::LeftButton);
            m_screens->frmCreaCatalogo->close();
            QTest::mouseClick(avvioButton(QStringLiteral("btnApp02")), Qt::LeftButton);
            m_screens->frmApriCatalogo->close();
        }));
        QCOMPARE(theVisibleScreen(), m_screens->frmAvvio);
    }

    void aFlyerFromCreationToDeletion()
    {
        // Create.
        QTest::mouseClick(avvioButton(QStringLiteral("imgApp01")), Qt::LeftButton);
        catalog::TfrmCreaCatalogo* create = m_screens->frmCreaCatalogo;
        QTest::keyClicks(create->txtFile, QStringLiteral("Estate"));
        QTest::mouseClick(create->btnApplica, Qt::LeftButton);
        QCOMPARE(theVisibleScreen(), m_screens->frmAvvio);

        // Find it and open it.
        QTest::mouseClick(avvioButton(QStringLiteral("imgApp02")), Qt::LeftButton);
        catalog::TfrmApriCatalogo* open = m_screens->frmApriCatalogo;
        QCOMPARE(open->lstFiles->count(), 1);
        QCOMPARE(open->lstFiles->item(0)->text(), QStringLiteral("Estate.lis"));
        QTest::mouseClick(open->lstFiles->viewport(), Qt::LeftButton, {},
                          open->lstFiles->visualItemRect(open->lstFiles->item(0)).center());
        QTest::mouseClick(open->btnApri, Qt::LeftButton);
        QCOMPARE(theVisibleScreen(), m_screens->frmListinoPrezzi);
        QCOMPARE(m_screens->frmListinoPrezzi->lblNome->text(), QStringLiteral("Estate"));
        QCOMPARE(m_screens->frmListinoPrezzi->lblFile->text(), m_folder->file(QStringLiteral("Estate.lis")));

        // Back, and delete it.
        m_screens->frmListinoPrezzi->close();
        QTest::mouseClick(avvioButton(QStringLiteral("btnApp02")), Qt::LeftButton);
        QVERIFY(!open->lstFiles->item(0)->isSelected() || open->lstFiles->count() == 1);
        open->lstFiles->setCurrentRow(0);
        QTest::mouseClick(open->btnElimina, Qt::LeftButton);
        QCOMPARE(open->lstFiles->count(), 0);
        QCOMPARE(open->lblCreati->text(), QStringLiteral("Sono stati creati 0 volantini offerte."));
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Estate.lis"))));
        open->close();
        QCOMPARE(theVisibleScreen(), m_screens->frmAvvio);
        QCOMPARE(m_dialogs->messages.size(), 3); // created, delete question, deleted
    }
};

VETRINALIA_TEST(FlowTest)
#include "FlowTest.moc"
