#include "test_registry.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return RunRegisteredTests(argc, argv);
}
