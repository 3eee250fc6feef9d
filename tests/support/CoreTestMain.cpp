// The main of the tests of the core: a GUI application without widgets, for drawing text
// and pictures off screen.
#include "TestRegistry.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::UseProgramLocale();
    return testing::RunRegisteredTests(argc, argv);
}
