// The program folder as the build lays it out and as an installation writes it.
#include "access/Crypt.h"
#include "access/IniFile.h"
#include "access/PasswordStore.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTranslator>

namespace {

// Qt's own "Cancel", as its message boxes and dialogs ask for it.
QString CancelIn(const QString& folder)
{
    QTranslator translator;
    if (!translator.load(QStringLiteral("qtbase_it"), folder))
        return {};
    return translator.translate("QPlatformTheme", "Cancel");
}

QString StoredPassword(const QString& folder)
{
    return login::DecodePassword(login::ReadIniString(folder + QStringLiteral("/unins000.dll"),
                                                      QStringLiteral("Accesso"), QStringLiteral("Valore")));
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Qt's Italian texts sit in the program folder's translations/, for a system that has
    // none of its own.
    void buildsProgramFolderCarriesTheTranslations()
    {
        QCOMPARE(CancelIn(QStringLiteral(VETRINALIA_PROGRAM_DIR "/translations")), QStringLiteral("Annulla"));
    }

    // Every installation writes the password file with the initial password, also over an
    // installation whose file was changed or damaged; flyers stay.
    void installationWritesTheInitialPasswordEveryTime()
    {
        testing::TestFolder scratch;
        const QString prefix = scratch.path() + QStringLiteral("Vetrinalia installato");
        const auto install = [&] {
            QProcess cmake;
            cmake.setProcessChannelMode(QProcess::MergedChannels);
            cmake.start(QStringLiteral(VETRINALIA_CMAKE_COMMAND),
                        {QStringLiteral("--install"), QStringLiteral(VETRINALIA_BINARY_DIR), QStringLiteral("--prefix"),
                         prefix});
            if (!cmake.waitForFinished(120000) || cmake.exitCode() != 0) {
                qWarning("%s", cmake.readAll().constData());
                return false;
            }
            return true;
        };
        QVERIFY(install());
        QCOMPARE(StoredPassword(prefix), QStringLiteral("CHIAVEINIZIALE"));
        QVERIFY(QFileInfo(prefix + QStringLiteral("/vetrinalia")).isExecutable());
        QCOMPARE(CancelIn(prefix + QStringLiteral("/translations")), QStringLiteral("Annulla"));

        const QString file = prefix + QStringLiteral("/unins000.dll");
        const QString flyer = prefix + QStringLiteral("/Estate.lis");
        QVERIFY(testing::WriteFile(flyer, QByteArray(3696, 'x')));
        for (const QByteArray& before : {QByteArray("[Accesso]\r\nValore=") + login::EncodePassword(QStringLiteral("ALTRA")).toLatin1()
                                             + "\r\n",
                                         QByteArray("\xFF\xFE danneggiato [Accesso"), QByteArray()}) {
            QVERIFY(testing::WriteFile(file, before));
            QVERIFY(install());
            QCOMPARE(StoredPassword(prefix), QStringLiteral("CHIAVEINIZIALE"));
            QVERIFY(!testing::ReadFile(file).contains("danneggiato"));
        }
        QCOMPARE(testing::ReadFile(flyer), QByteArray(3696, 'x'));
    }
};

VETRINALIA_TEST(InstallTest)
#include "InstallTest.moc"
