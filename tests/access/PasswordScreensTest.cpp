#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "FileSizeLimit.h"

#include "access/CambiaPassword.h"
#include "access/Crypt.h"
#include "access/Password.h"
#include "access/PasswordStore.h"
#include "start/Avvio.h"
#include "support/ProgramScreens.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using login::TfrmCambiaPassword;
using login::TfrmPassword;

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si consiglia di "
    "reinstallare il software.");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i "
    "valori.");
const QString kTooLong = QStringLiteral("Attenzione: la nuova password può contenere al massimo 255 caratteri.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di "
    "reinstallare il software.");

// A fresh program folder with the installed password file, the screens, and scripted
// message boxes; the login shown as at start-up.
struct Run {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<testing::ProgramScreens> screens;
    TfrmPassword* login = nullptr;
    TfrmCambiaPassword* change = nullptr;

    explicit Run(const QByteArray& passwordFile = "; installato\r\n[Accesso]\r\nValore="
                                                  + login::EncodePassword(QStringLiteral("CHIAVEINIZIALE")).toLatin1()
                                                  + "\r\n")
    {
        if (!passwordFile.isNull())
            testing::WriteFile(login::PasswordFilePath(), passwordFile);
        screens = std::make_unique<testing::ProgramScreens>();
        login = screens->frmPassword;
        change = screens->frmCambiaPassword;
        screens->showMainWindow();
        QApplication::setActiveWindow(login);
    }

    QByteArray file() const { return testing::ReadFile(login::PasswordFilePath()); }
};

void Type(QLineEdit* field, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Enter(QWidget* field, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(field, key, modifiers);
}

// Which of the screen's halos are visible, by name.
QStringList VisibleHalos(const QWidget* screen)
{
    QStringList names;
    for (const QString& name : {QStringLiteral("effPassword"), QStringLiteral("effPasswordOld"),
                                QStringLiteral("effPasswordNew"), QStringLiteral("effConferma")}) {
        if (const auto* halo = screen->findChild<QWidget*>(name); halo && halo->isVisible())
            names << name;
    }
    return names;
}

} // namespace

class PasswordScreensTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsOnTheLogin()
    {
        Run run;
        QVERIFY(run.login->isVisible());
        for (QWidget* other : std::initializer_list<QWidget*>{run.change, run.screens->frmAvvio})
            QVERIFY(!other->isVisible());
        QCOMPARE(run.login->windowTitle(), QStringLiteral(" Vetrinalia - Accesso"));
        QCOMPARE(run.login->size(), QSize(388, 405));
        QCOMPARE(run.login->txtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(QApplication::focusWidget(), run.login->txtPassword);
        QCOMPARE(VisibleHalos(run.login), QStringList{QStringLiteral("effPassword")});
        QCOMPARE(run.login->effPassword->geometry(), QRect(32, 218, 238, 30));
        QVERIFY(!run.login->cmdOK->isEnabled());
        QVERIFY(!run.login->lblMemory->isVisible());
        QCOMPARE(run.login->cmdEsci->text(), QStringLiteral("Esci"));
        QCOMPARE(run.login->btnCambiaPassword->text(), QStringLiteral("Cambia password"));
        QCOMPARE(run.login->lblRigo05->text(), QStringLiteral("Immetti la password e premi OK."));
    }

    void blanksKeepOkDisabledAndEnterDoesNothing()
    {
        Run run;
        Type(run.login->txtPassword, QStringLiteral("   "));
        QVERIFY(!run.login->cmdOK->isEnabled());
        Enter(run.login->txtPassword);
        Enter(run.login->txtPassword, Qt::Key_Enter);
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(run.login->isVisible());
        QCOMPARE(run.login->txtPassword->text(), QStringLiteral("   "));
        QCOMPARE(QApplication::focusWidget(), run.login->txtPassword);
        Type(run.login->txtPassword, QStringLiteral("x"));
        QVERIFY(run.login->cmdOK->isEnabled());
        QTest::keyClick(run.login->txtPassword, Qt::Key_Backspace);
        QVERIFY(!run.login->cmdOK->isEnabled());
    }

    void rightPasswordOpensTheStartScreen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("as installed, OK") << "chiaveiniziale" << false;
        QTest::newRow("upper case, Enter") << "CHIAVEINIZIALE" << true;
        QTest::newRow("mixed case and blanks, Shift+Enter") << "  ChiaveIniziale " << true;
    }
    void rightPasswordOpensTheStartScreen()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        Run run;
        Type(run.login->txtPassword, typed);
        if (byEnter)
            Enter(run.login->txtPassword, Qt::Key_Return, Qt::ShiftModifier);
        else
            QTest::mouseClick(run.login->cmdOK, Qt::LeftButton);
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(run.screens->frmAvvio->isVisible());
        QVERIFY(!run.login->isVisible());
        QCOMPARE(run.login->txtPassword->text(), typed);
        QCOMPARE(run.login->lblMemory->text(), QString());
    }

    void wrongPasswordEmptiesAndRefocuses()
    {
        Run run;
        Type(run.login->txtPassword, QStringLiteral("chiave iniziale"));
        QString shownWhileMessage;
        run.dialogs.onMessage = [&](const testing::ScriptedDialogs::Message&) {
            shownWhileMessage = run.login->txtPassword->text();
        };
        Enter(run.login->txtPassword);
        QCOMPARE(run.dialogs.messageTexts(), QStringList{kWrong});
        QVERIFY(run.dialogs.messages.first().plain);
        QCOMPARE(shownWhileMessage, QStringLiteral("chiave iniziale"));
        QCOMPARE(run.login->txtPassword->text(), QString());
        QCOMPARE(QApplication::focusWidget(), run.login->txtPassword);
        QVERIFY(!run.login->cmdOK->isEnabled());
        QVERIFY(run.login->isVisible());
        QVERIFY(!run.screens->frmAvvio->isVisible());
        Type(run.login->txtPassword, QStringLiteral("c"));
        QVERIFY(run.login->cmdOK->isEnabled());
    }

    void missingOrUndecodablePasswordFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("missing file") << QByteArray() << kWrong << "";
        QTest::newRow("no key") << QByteArray("[Accesso]\r\n") << kWrong << "";
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=625C48ZZ\r\n") << kReadError
                                         << "chiaveiniziale";
    }
    void missingOrUndecodablePasswordFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(QString, fieldAfter);
        Run run(file);
        Type(run.login->txtPassword, QStringLiteral("chiaveiniziale"));
        QTest::mouseClick(run.login->cmdOK, Qt::LeftButton);
        QCOMPARE(run.dialogs.messageTexts(), QStringList{message});
        QCOMPARE(run.login->txtPassword->text(), fieldAfter);
        QVERIFY(run.login->isVisible());
        QVERIFY(!run.screens->frmAvvio->isVisible());
        QCOMPARE(run.file(), file);
        QCOMPARE(QFileInfo::exists(login::PasswordFilePath()), !file.isNull());
    }

    void leavingTheLoginEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Esci") << true;
        QTest::newRow("closing the window") << false;
    }
    void leavingTheLoginEndsTheProgram()
    {
        QFETCH(bool, byButton);
        Run run;
        // The application's own loop: it returns 0 when the program is ended, and the
        // fallback queued after the action ends it with 1 otherwise.
        QTimer::singleShot(0, run.login, [&] {
            if (byButton)
                QTest::mouseClick(run.login->cmdEsci, Qt::LeftButton);
            else
                run.login->close();
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!run.login->isVisible());
        QVERIFY(!run.screens->frmAvvio->isVisible());
    }

    void changeScreenOpensEmptyWithTheFocusInTheFirstField()
    {
        Run run;
        Type(run.login->txtPassword, QStringLiteral("abc"));
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
            QApplication::setActiveWindow(run.change);
            QVERIFY(run.change->isVisible());
            QVERIFY(!run.login->isVisible());
            QCOMPARE(run.change->windowTitle(), QStringLiteral(" Cambia password"));
            QCOMPARE(run.change->size(), QSize(411, 418));
            for (QLineEdit* field : {run.change->txtPasswordOld, run.change->txtPasswordNew, run.change->txtConferma}) {
                QCOMPARE(field->text(), QString());
                QCOMPARE(field->echoMode(), QLineEdit::Password);
            }
            QCOMPARE(QApplication::focusWidget(), run.change->txtPasswordOld);
            QCOMPARE(VisibleHalos(run.change), QStringList{QStringLiteral("effPasswordOld")});
            QCOMPARE(run.change->effPasswordOld->geometry(), QRect(12, 189, 361, 30));
            QCOMPARE(run.change->effPasswordNew->geometry(), QRect(12, 245, 361, 30));
            QCOMPARE(run.change->effConferma->geometry(), QRect(12, 301, 361, 30));
            QVERIFY(!run.change->cmdOK->isEnabled());
            Type(run.change->txtPasswordOld, QStringLiteral("vecchia"));
            Type(run.change->txtPasswordNew, QStringLiteral("nuova"));

            // Chiudi: back to the login, emptied and focused.
            run.login->lblMemory->setText(QStringLiteral("scratch"));
            QTest::mouseClick(run.change->cmdEsci, Qt::LeftButton);
            QApplication::setActiveWindow(run.login);
            QVERIFY(!run.change->isVisible());
            QVERIFY(run.login->isVisible());
            QCOMPARE(run.login->txtPassword->text(), QString());
            QCOMPARE(run.login->lblMemory->text(), QString());
            QCOMPARE(QApplication::focusWidget(), run.login->txtPassword);
            QVERIFY(run.dialogs.messages.isEmpty());
        }
    }

    void enterGoesRoundTheRingAndNeverRunsOk()
    {
        Run run;
        QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
        QApplication::setActiveWindow(run.change);
        const QByteArray before = run.file();
        Type(run.change->txtPasswordOld, QStringLiteral("chiaveiniziale"));
        Type(run.change->txtPasswordNew, QStringLiteral("nuova"));
        Type(run.change->txtConferma, QStringLiteral("nuova"));
        QVERIFY(run.change->cmdOK->isEnabled());

        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QLineEdit* to;
            const char* halo;
        };
        const Step steps[] = {
            {Qt::Key_Return, Qt::NoModifier, run.change->txtPasswordNew, "effPasswordNew"},
            {Qt::Key_Enter, Qt::NoModifier, run.change->txtConferma, "effConferma"},
            {Qt::Key_Return, Qt::ShiftModifier, run.change->txtPasswordOld, "effPasswordOld"},
            {Qt::Key_Return, Qt::ControlModifier, run.change->txtPasswordNew, "effPasswordNew"},
        };
        for (const Step& step : steps) {
            Enter(QApplication::focusWidget(), step.key, step.modifiers);
            QCOMPARE(QApplication::focusWidget(), step.to);
            QCOMPARE(VisibleHalos(run.change), QStringList{QString::fromLatin1(step.halo)});
        }
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(run.change->isVisible());
        QCOMPARE(run.file(), before);
        QCOMPARE(run.change->txtPasswordNew->text(), QStringLiteral("nuova"));
    }

    void okNeedsAllThreeFields_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all three") << "a" << "b" << "c" << true;
        QTest::newRow("old blank") << "  " << "b" << "c" << false;
        QTest::newRow("new empty") << "a" << "" << "c" << false;
        QTest::newRow("confirmation blank") << "a" << "b" << " " << false;
    }
    void okNeedsAllThreeFields()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        QFETCH(bool, enabled);
        Run run;
        QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
        Type(run.change->txtPasswordOld, old);
        Type(run.change->txtPasswordNew, fresh);
        Type(run.change->txtConferma, confirm);
        QCOMPARE(run.change->cmdOK->isEnabled(), enabled);
    }

    // The messages of one session in their order, what each empties and where the focus
    // goes; then the new password, and only it, opens the program.
    void changeThenLogin()
    {
        Run run;
        const QByteArray before = run.file();
        TfrmCambiaPassword* change = run.change;
        QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
        QApplication::setActiveWindow(change);

        auto fill = [&](const QString& old, const QString& fresh, const QString& confirm) {
            for (QLineEdit* field : {change->txtPasswordOld, change->txtPasswordNew, change->txtConferma})
                field->clear();
            Type(change->txtPasswordOld, old);
            Type(change->txtPasswordNew, fresh);
            Type(change->txtConferma, confirm);
        };
        auto fields = [&] {
            return QStringList{change->txtPasswordOld->text(), change->txtPasswordNew->text(),
                               change->txtConferma->text()};
        };

        // 1. Wrong old password: only the old field is emptied.
        fill(QStringLiteral("chiave"), QStringLiteral("Nuova Chiave"), QStringLiteral("Nuova Chiave"));
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        QCOMPARE(run.dialogs.messageTexts(), QStringList{kWrongOld});
        QCOMPARE(fields(), (QStringList{QString(), QStringLiteral("Nuova Chiave"), QStringLiteral("Nuova Chiave")}));
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordOld);
        QVERIFY(!change->cmdOK->isEnabled());

        // 2. Confirmation differing only in case: both new fields are emptied.
        fill(QStringLiteral(" CHIAVEiniziale "), QStringLiteral("Nuova Chiave"), QStringLiteral("nuova chiave"));
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        QCOMPARE(run.dialogs.messageTexts().last(), kNotConfirmed);
        QCOMPARE(fields(), (QStringList{QStringLiteral(" CHIAVEiniziale "), QString(), QString()}));
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordNew);
        QCOMPARE(run.file(), before);

        // 3. A password the file could not give back: refused before anything is written.
        // The refusal names what cannot be used: "€", "œ" and "ő" look like the Latin
        // alphabet's but lie beyond what the file keeps.
        const QString tooLong(256, QLatin1Char('x'));
        const QList<std::pair<QString, QString>> refusals = {
            {tooLong, kTooLong},
            {QStringLiteral("prezzo€"),
             QStringLiteral("Attenzione: la nuova password non può contenere il carattere «€». Inserire una password "
                            "senza questo carattere.")},
            {QStringLiteral("€uro cœur Erdős €"),
             QStringLiteral("Attenzione: la nuova password non può contenere i caratteri «€», «œ» e «ő». Inserire "
                            "una password senza questi caratteri.")},
            {QStringLiteral("a\u200Bbş"),
             QStringLiteral("Attenzione: la nuova password non può contenere i caratteri U+200B e «ş». "
                            "Inserire una password senza questi caratteri.")},
        };
        for (const auto& [refused, text] : refusals) {
            fill(QStringLiteral("chiaveiniziale"), refused, refused);
            QTest::mouseClick(change->cmdOK, Qt::LeftButton);
            QCOMPARE(run.dialogs.messageTexts().last(), text);
            QCOMPARE(fields(), (QStringList{QStringLiteral("chiaveiniziale"), QString(), QString()}));
            QCOMPARE(QApplication::focusWidget(), change->txtPasswordNew);
            QCOMPARE(run.file(), before);
            QVERIFY(change->isVisible());
        }
        // 255 characters surrounded by blanks are fine: blanks are not stored.
        QCOMPARE(run.dialogs.messages.size(), 6);

        // 4. The change: confirmed, written, the screen closes onto an empty login.
        fill(QStringLiteral("chiaveiniziale"), QStringLiteral("  Nuova chiave è "),
             QStringLiteral("Nuova chiave è"));
        bool openWhileConfirmed = false;
        run.dialogs.onMessage = [&](const testing::ScriptedDialogs::Message& message) {
            if (message.text == kChanged)
                openWhileConfirmed = change->isVisible();
        };
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        QCOMPARE(run.dialogs.messageTexts().last(), kChanged);
        QCOMPARE(run.dialogs.messages.size(), 7);
        QVERIFY(openWhileConfirmed);
        QVERIFY(!change->isVisible());
        QVERIFY(run.login->isVisible());
        QApplication::setActiveWindow(run.login);
        QCOMPARE(run.login->txtPassword->text(), QString());
        QCOMPARE(QApplication::focusWidget(), run.login->txtPassword);
        QCOMPARE(login::ReadStoredPassword(), QStringLiteral("NUOVA CHIAVE è"));
        QByteArray expected = before;
        expected.replace(login::EncodePassword(QStringLiteral("CHIAVEINIZIALE")).toLatin1(),
                         login::EncodePassword(QStringLiteral("NUOVA CHIAVE è")).toLatin1());
        QCOMPARE(run.file(), expected);

        // 5. The old password no longer opens; the new one does, in any ASCII case.
        Type(run.login->txtPassword, QStringLiteral("chiaveiniziale"));
        Enter(run.login->txtPassword);
        QCOMPARE(run.dialogs.messageTexts().last(), kWrong);
        Type(run.login->txtPassword, QStringLiteral("NUOVA CHIAVE È"));
        Enter(run.login->txtPassword);
        QCOMPARE(run.dialogs.messageTexts().last(), kWrong);
        Type(run.login->txtPassword, QStringLiteral("nuova CHIAVE è"));
        Enter(run.login->txtPassword);
        QCOMPARE(run.dialogs.messages.size(), 9);
        QVERIFY(run.screens->frmAvvio->isVisible());
        QVERIFY(!run.login->isVisible());

        // 6. After a restart too.
        run.screens = std::make_unique<testing::ProgramScreens>();
        run.screens->showMainWindow();
        QApplication::setActiveWindow(run.screens->frmPassword);
        Type(run.screens->frmPassword->txtPassword, QStringLiteral("Nuova Chiave è"));
        Enter(run.screens->frmPassword->txtPassword);
        QCOMPARE(run.dialogs.messages.size(), 9);
        QVERIFY(run.screens->frmAvvio->isVisible());
    }

    void longestPasswordIsAccepted()
    {
        Run run;
        QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
        QString longest;
        for (int code = 1; code < 256; ++code)
            longest.append(QChar(char16_t(code)));
        // Codes up to 32 at the ends would be trimmed away; keep them inside.
        longest = QStringLiteral("a") + longest.mid(1, 253) + QStringLiteral("z");
        QCOMPARE(longest.size(), 255);
        run.change->txtPasswordOld->setText(QStringLiteral("chiaveiniziale"));
        run.change->txtPasswordNew->setText(QStringLiteral("  ") + longest);
        run.change->txtConferma->setText(longest + QStringLiteral(" "));
        QTest::mouseClick(run.change->cmdOK, Qt::LeftButton);
        QCOMPARE(run.dialogs.messageTexts(), QStringList{kChanged});
        QCOMPARE(login::ReadStoredPassword(), login::NormalizedPassword(longest));
        QVERIFY(login::PasswordMatches(longest, login::ReadStoredPassword()));
    }

    void failuresChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("undecodable stored value") << QByteArray("[Accesso]\r\nValore=62:C\r\n") << false;
        QTest::newRow("write fails")
            << QByteArray("[Accesso]\r\nValore=" + login::EncodePassword(QStringLiteral("CHIAVEINIZIALE")).toLatin1()
                          + "\r\n")
            << true;
    }
    void failuresChangeNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, fullDisk);
        Run run(file);
        QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
        QApplication::setActiveWindow(run.change);
        Type(run.change->txtPasswordOld, QStringLiteral("chiaveiniziale"));
        Type(run.change->txtPasswordNew, QStringLiteral("una password nuova e lunga"));
        Type(run.change->txtConferma, QStringLiteral("una password nuova e lunga"));
        {
            std::unique_ptr<testing::FileSizeLimit> limit;
            if (fullDisk)
                limit = std::make_unique<testing::FileSizeLimit>(file.size());
            QTest::mouseClick(run.change->cmdOK, Qt::LeftButton);
        }
        QCOMPARE(run.dialogs.messageTexts(), QStringList{kChangeError});
        QVERIFY(run.change->isVisible());
        QVERIFY(!run.login->isVisible());
        QCOMPARE(run.change->txtPasswordOld->text(), QStringLiteral("chiaveiniziale"));
        QCOMPARE(run.change->txtPasswordNew->text(), QStringLiteral("una password nuova e lunga"));
        QCOMPARE(run.change->txtConferma->text(), QStringLiteral("una password nuova e lunga"));
        QCOMPARE(run.file(), file);
        QCOMPARE(QDir(run.folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("unins000.dll")});
    }

    // Grabs of both screens with the focus in a field, for looking at.
    void grabs()
    {
        Run run;
        const QString folder = QStringLiteral(VETRINALIA_BINARY_DIR "/grabs");
        QDir().mkpath(folder);
        Type(run.login->txtPassword, QStringLiteral("chiave"));
        QVERIFY(run.login->effPassword->isVisible());
        QVERIFY(run.login->grab().save(folder + QStringLiteral("/access_login.png")));

        QTest::mouseClick(run.login->btnCambiaPassword, Qt::LeftButton);
        QApplication::setActiveWindow(run.change);
        Type(run.change->txtPasswordOld, QStringLiteral("chiave"));
        Enter(run.change->txtPasswordOld);
        Type(run.change->txtPasswordNew, QStringLiteral("nuova"));
        QCOMPARE(VisibleHalos(run.change), QStringList{QStringLiteral("effPasswordNew")});
        QVERIFY(run.change->grab().save(folder + QStringLiteral("/access_change.png")));
    }
};

VETRINALIA_TEST(PasswordScreensTest)
#include "PasswordScreensTest.moc"
