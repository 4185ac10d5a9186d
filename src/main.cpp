#include "app/app_globals.h"
#include "app/program_app.h"
#include "app/ui_language.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>
#include <memory>

// --help and --version need no display, so they run without the widget machinery.
static bool WantsTextOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* flag : {"--help", "-h", "--version", "-v", "--help-all"})
            if (std::strcmp(argv[i], flag) == 0)
                return true;
    return false;
}

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (WantsTextOnly(argc, argv))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName("kestra");
    QCoreApplication::setApplicationVersion(KESTRA_VERSION);
    InstallUiLanguage(ProgramUiLanguage(ProgramIniPath().toStdString()));
    QCommandLineParser parser;
    parser.setApplicationDescription("Programming software for a dual-band handheld radio.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("FILE.dat", "memory image to open instead of a new document");
    parser.process(*app);
    const QStringList files = parser.positionalArguments();
    CProgramApp program;
    if (!program.InitInstance(files.isEmpty() ? QString() : files.first()))
        return 1;
    return app->exec();
}
