#pragma once

// Lets one test executable hold several Qt Test classes: each class registers
// itself with TRELVO_TEST(ClassName), and TRELVO_TEST_MAIN runs them all.

#include <QApplication>
#include <QList>
#include <QObject>
#include <QtTest>

#include <functional>
#include <memory>

using TestFactory = std::function<std::unique_ptr<QObject>()>;
QList<TestFactory> &RegisteredTests();

struct TestRegistration
{
    explicit TestRegistration(TestFactory factory) { RegisteredTests().append(std::move(factory)); }
};

#define TRELVO_TEST(Class) \
    static TestRegistration registration_##Class([] { return std::unique_ptr<QObject>(new Class); });

int RunRegisteredTests(int argc, char *argv[]);

#define TRELVO_TEST_MAIN \
    int main(int argc, char *argv[]) \
    { \
        QApplication app(argc, argv); \
        return RunRegisteredTests(argc, argv); \
    }
