#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Test classes register themselves so that one executable runs every class of a folder.
namespace testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory>& registeredTests();

struct TestRegistrar {
    explicit TestRegistrar(TestFactory factory) { registeredTests().push_back(std::move(factory)); }
};

} // namespace testing

#define VETRINALIA_TEST(Class)                                                                   \
    static const testing::TestRegistrar Class##_registrar{[] { return std::make_unique<Class>(); }};
