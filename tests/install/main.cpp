#include "../image/test_registry.h"

#include <QApplication>

// No QStandardPaths test mode: the tests point XDG_CONFIG_HOME at a directory of their own.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunRegisteredTests(argc, argv);
}
