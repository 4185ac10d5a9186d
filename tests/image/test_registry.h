#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// Lets each test class of the executable register itself, so main runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
inline std::vector<TestFactory>& TestRegistry() {
    static std::vector<TestFactory> registry;
    return registry;
}

template <typename T> struct RegisterTest {
    RegisterTest() {
        TestRegistry().push_back([] { return std::make_unique<T>(); });
    }
};
#define KESTRA_REGISTER_TEST(Class) static RegisterTest<Class> s_register##Class

// Runs every registered test class; 0 when all passed.
inline int RunRegisteredTests(int argc, char** argv) {
    int failures = 0;
    for (const TestFactory& make : TestRegistry()) {
        auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
