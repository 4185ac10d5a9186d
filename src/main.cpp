#include "app/program_app.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("kestra");
    QApplication::setApplicationVersion(KESTRA_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("Programming software for a dual-band handheld radio.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("FILE.dat", "memory image to open instead of a new document");
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    CProgramApp program;
    if (!program.InitInstance(files.isEmpty() ? QString() : files.first()))
        return 1;
    return app.exec();
}
