#include "TestRegistry.h"

#include <QLocale>

namespace testing {

std::vector<TestFactory>& registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

void UseProgramLocale()
{
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(locale);
}

int RunRegisteredTests(int argc, char** argv)
{
    int failures = 0;
    for (const auto& factory : registeredTests()) {
        auto test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace testing
