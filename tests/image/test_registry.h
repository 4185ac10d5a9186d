#pragma once

#include <QObject>

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
