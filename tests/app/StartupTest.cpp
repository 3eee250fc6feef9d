#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "TestRegistry.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "start/Avvio.h"
#include "support/ProgramScreens.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/ListinoPrezzi.h"
#include "help/Guida.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "print/AnteprimaProdotto.h"
#include "print/StampaProdotto.h"
#include "ui/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QLocale>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyTheLoginIsVisible()
    {
        testing::TestFolder folder;
        testing::ProgramScreens screens;
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        screens.showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(static_cast<QWidget*>(screens.frmPassword)));
        QStringList visible;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                visible << w->objectName();
        QCOMPARE(visible, QStringList{QStringLiteral("frmPassword")});
    }

    void screensHaveTheirCaptionsAndKinds_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("TfrmPassword") << 0 << QStringLiteral(" Vetrinalia - Accesso") << false;
        QTest::newRow("TfrmAnteprimaProdotto") << 1 << QStringLiteral(" Anteprima di stampa") << false;
        QTest::newRow("TfrmApriCatalogo") << 2 << QStringLiteral(" Vetrinalia - Apertura volantino offerte") << true;
        QTest::newRow("TfrmAvvio") << 3 << QStringLiteral(" Vetrinalia") << true;
        QTest::newRow("TfrmCambiaPassword") << 4 << QStringLiteral(" Cambia password") << false;
        QTest::newRow("TfrmCreaCatalogo") << 5 << QStringLiteral(" Vetrinalia - Creazione volantino offerte") << true;
        QTest::newRow("TfrmGuida") << 6 << QStringLiteral(" Guida all'utilizzo del software") << false;
        QTest::newRow("TfrmInfo") << 7 << QStringLiteral(" Informazioni su Vetrinalia") << false;
        QTest::newRow("TfrmListinoPrezzi") << 8 << QStringLiteral(" Vetrinalia - Pagine Volantino") << true;
        QTest::newRow("TfrmSplash") << 9 << QString() << false;
        QTest::newRow("TfrmStampaProdotto") << 10 << QStringLiteral(" Stampa scheda") << false;
    }

    void screensHaveTheirCaptionsAndKinds()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(bool, maximised);
        testing::TestFolder folder;
        testing::ProgramScreens screens;
        const QList<QWidget*> all{
            static_cast<QWidget*>(screens.frmPassword),
            static_cast<QWidget*>(screens.frmAnteprimaProdotto),
            static_cast<QWidget*>(screens.frmApriCatalogo),
            static_cast<QWidget*>(screens.frmAvvio),
            static_cast<QWidget*>(screens.frmCambiaPassword),
            static_cast<QWidget*>(screens.frmCreaCatalogo),
            static_cast<QWidget*>(screens.frmGuida),
            static_cast<QWidget*>(screens.frmInfo),
            static_cast<QWidget*>(screens.frmListinoPrezzi),
            static_cast<QWidget*>(screens.frmSplash),
            static_cast<QWidget*>(screens.frmStampaProdotto),
        };
        QWidget* screen = all.at(index);
        QVERIFY(screen);
        if (caption.isEmpty())
            QVERIFY(screen->windowTitle().startsWith(QStringLiteral(" Vetrinalia - ")));
        else
            QCOMPARE(screen->windowTitle(), caption);
        const Qt::WindowFlags flags = screen->windowFlags();
        if (maximised) {
            QVERIFY(screen->windowState() & Qt::WindowMaximized);
            QVERIFY(!(flags & Qt::CustomizeWindowHint));
            QWidget* panel = screen->findChild<QWidget*>(QStringLiteral("panContent"));
            QVERIFY(panel);
            QCOMPARE(panel->size(), QSize(1016, 713));
            screen->showNormal();
            screen->resize(1216, 913);
            QTRY_COMPARE(panel->pos(), QPoint(100, 100));
            screen->hide();
        } else {
            QVERIFY(flags & Qt::CustomizeWindowHint);
            QVERIFY(!(flags & Qt::WindowCloseButtonHint));
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QCOMPARE(screen->minimumSize(), screen->maximumSize());
        }
    }

    void numberSettingsUseTheComma()
    {
        testing::TestFolder folder;
        testing::ProgramScreens screens;
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1234,50"));
    }

    void messageBoxesGoThroughTheSeam()
    {
        testing::ScriptedDialogs dialogs;
        dialogs.answers = {ui::MessageAnswer::No};
        QCOMPARE(ui::ShowMessageBox(QStringLiteral("Domanda"), ui::MessageKind::Confirmation),
                 ui::MessageAnswer::No);
        ui::ShowPlainMessage(QStringLiteral("Testo"));
        QCOMPARE(dialogs.messageTexts(), (QStringList{QStringLiteral("Domanda"), QStringLiteral("Testo")}));
        QVERIFY(dialogs.messages.at(1).plain);
    }

    void realMessageBoxCarriesItalianButtons_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("warning") << int(ui::MessageKind::Warning) << QStringList{QStringLiteral("OK"), QStringLiteral("Annulla")};
        QTest::newRow("confirmation") << int(ui::MessageKind::Confirmation) << QStringList{QStringLiteral("Sì"), QStringLiteral("No")};
    }

    void realMessageBoxCarriesItalianButtons()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, buttons);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QApplication::installTranslator(&translator);
        QStringList seen;
        QString defaultButton;
        QTimer::singleShot(50, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* button : box->buttons())
                seen << button->text().remove(QLatin1Char('&'));
            if (box->defaultButton())
                defaultButton = box->defaultButton()->text().remove(QLatin1Char('&'));
            box->defaultButton()->click();
        });
        const ui::MessageAnswer answer = ui::QtSeam().messageBox(nullptr, QStringLiteral("Testo"),
                                                                        ui::MessageKind(kind));
        QApplication::removeTranslator(&translator);
        seen.sort();
        QStringList expected = buttons;
        expected.sort();
        QCOMPARE(seen, expected);
        QCOMPARE(defaultButton, buttons.first());
        QCOMPARE(answer, kind == int(ui::MessageKind::Confirmation) ? ui::MessageAnswer::Yes : ui::MessageAnswer::Ok);
    }
};

VETRINALIA_TEST(StartupTest)
#include "StartupTest.moc"
