// Start-up until the login screen is shown, against an empty Qt Widgets program.
// Without arguments it runs both as fresh processes, alternately, and prints the ratio.
#include "BenchUtil.h"

#include "access/Password.h"
#include "base/ProgramFolder.h"
#include "ui/Program.h"
#include "ui/ScreenRegistry.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

int runEmpty(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(388, 405);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.grab(); // the first frame drawn
    return 0;
}

int runProgram(int argc, char** argv, const QString& folder)
{
    ui::PrepareRendering();
    QApplication application(argc, argv);
    base::SetProgramFolder(folder);
    ui::ApplyProcessSettings();
    ui::InstallItalianTranslations(application);
    const std::unique_ptr<ui::ScreenRegistry> screens = ui::CreateScreens();
    screens->showMainWindow();
    auto* login = static_cast<QWidget*>(screens->find<login::TfrmPassword>());
    if (!QTest::qWaitForWindowExposed(login))
        return 1;
    login->grab();
    return 0;
}

double timeProcess(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(60000);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && qstrcmp(argv[1], "empty") == 0)
        return runEmpty(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "program") == 0)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString self = QCoreApplication::applicationFilePath();
    QList<double> program;
    QList<double> empty;
    const int repetitions = 15;
    timeProcess(self, {QStringLiteral("program"), folder.path()}); // warm the caches
    timeProcess(self, {QStringLiteral("empty")});
    for (int i = 0; i < repetitions; ++i) {
        program << timeProcess(self, {QStringLiteral("program"), folder.path()});
        empty << timeProcess(self, {QStringLiteral("empty")});
    }
    bench::Pair pair{bench::summarise(program), bench::summarise(empty), 0};
    pair.ratio = pair.command.median / pair.floor.median;
    bench::report("start-up until the login screen is shown", pair, 2.0);
    return 0;
}
