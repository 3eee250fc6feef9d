#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// Test classes register themselves so that one executable runs every class of a folder.
namespace testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory>& registeredTests();

// Runs every registered class; 0 when all passed.
int RunRegisteredTests(int argc, char** argv);

// The Italian number and collation settings the program runs with, for tests of the core
// that run without the program's start-up.
void UseProgramLocale();

struct TestRegistrar {
    explicit TestRegistrar(TestFactory factory) { registeredTests().push_back(std::move(factory)); }
};

} // namespace testing

#define VETRINALIA_TEST(Class)                                                                                         \
    static const testing::TestRegistrar Class##_registrar{[] { return std::make_unique<Class>(); }};
