// The engine's preview window, opened for real and driven from inside its event loop.

#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"

#include "print/PageTemplate.h"
#include "report/PreviewWindow.h"
#include "report/Report.h"

#include <QApplication>
#include <QDir>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

class PreviewWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsThePreparedPageWithFourButtons();
};

void PreviewWindowTest::showsThePreparedPageWithFourButtons()
{
    testing::ScriptedDialogs dialogs; // the print dialog answers "cancel"
    report::Report report = print::PageTemplate::Load().CreateReport();
    report.findTextBox("txtNome_A")->setText(QStringLiteral("ANTEPRIMA"));
    report.prepare();

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        auto* window = qobject_cast<report::PreviewWindow*>(QApplication::activeModalWidget());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Volantino Offerte"));
        QVERIFY(window->isModal());
        QVERIFY(window->windowState() & Qt::WindowMaximized);
        QCOMPARE(window->preview()->zoomMode(), QPrintPreviewWidget::CustomZoom);
        QCOMPARE(window->preview()->zoomFactor(), 1.0);
        QCOMPARE(window->preview()->pageCount(), 1);

        QList<QToolButton*> buttons;
        for (QToolButton* button : window->toolBar()->findChildren<QToolButton*>())
            if (button->isVisibleTo(window))
                buttons << button;
        QCOMPARE(buttons.size(), 4);
        QStringList names;
        for (QToolButton* button : buttons) {
            names << button->accessibleName();
            QVERIFY(!button->toolTip().isEmpty());
        }
        QCOMPARE(names, (QStringList{"Stampa", "Zoom", "Schermo intero", "Chiudi"}));

        QDir().mkpath(QStringLiteral(VETRINALIA_BINARY_DIR "/look"));
        window->grab().save(QStringLiteral(VETRINALIA_BINARY_DIR "/look/anteprima-report.png"));

        // Print goes through the print dialog; cancelled, nothing else happens.
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QCOMPARE(dialogs.printDialogs, 1);
        QVERIFY(window->isVisible());
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(window->preview()->zoomMode(), QPrintPreviewWidget::FitInView);
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(window->preview()->zoomFactor(), 1.0);
        QTest::mouseClick(buttons[2], Qt::LeftButton);
        QVERIFY(window->windowState() & Qt::WindowFullScreen);
        QTest::mouseClick(buttons[2], Qt::LeftButton);
        QVERIFY(!(window->windowState() & Qt::WindowFullScreen));
        checked = true;
        QTest::mouseClick(buttons[3], Qt::LeftButton);
    });
    // A guard so that a failed check above never leaves the window open.
    QTimer::singleShot(20000, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    report::ShowPreviewWindow(nullptr, report);
    QVERIFY(checked);
    QVERIFY(!QApplication::activeModalWidget());
}

VETRINALIA_TEST(PreviewWindowTest)
#include "PreviewWindowTest.moc"
