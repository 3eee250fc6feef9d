// The main of the tests of the screens: the program's own start-up, Qt's dialogs as the
// seam until a test installs its own.
#include "TestRegistry.h"

#include "ui/Dialogs.h"
#include "ui/Program.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A configuration folder of the test's own: whatever Qt would keep there never reaches
    // the user's, and a test can see that nothing was written.
    QTemporaryDir config;
    if (config.isValid())
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ui::PrepareRendering();
    QApplication application(argc, argv);
    ui::ApplyProcessSettings();
    QApplication::setQuitOnLastWindowClosed(false);
    ui::InstallSeam(&ui::QtSeam());
    return testing::RunRegisteredTests(argc, argv);
}
