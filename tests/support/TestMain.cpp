#include "TestRegistry.h"
#include "TestFolder.h"

#include "app/Dialogs.h"
#include "app/ProgramFolder.h"
#include "app/Startup.h"

#include <QApplication>
#include <QTest>

namespace testing {

std::vector<TestFactory>& registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

} // namespace testing

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app::PrepareRendering();
    QApplication application(argc, argv);
    app::ApplyProcessSettings();
    QApplication::setQuitOnLastWindowClosed(false);

    int failures = 0;
    for (const auto& factory : testing::registeredTests()) {
        auto test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
