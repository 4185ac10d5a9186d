#include "app/app_globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

MemoryImage g_image;
BandLimits g_bandLimits;
std::string g_portName = "COM1";
QString g_exeDir;
QString g_radioType;
std::atomic<bool> g_transferBusy{false};
QString g_dtmfCallId = QStringLiteral("100");
bool g_serviceMode = false;

QString ProgramDirectory() {
    const QString home = qEnvironmentVariable("KESTRA_HOME");
    const QString dir = home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
    return QDir::cleanPath(dir) + QLatin1Char('/');
}

QString ProgramIniPath() {
    const QString dir = g_exeDir.isEmpty() ? ProgramDirectory() : g_exeDir;
    const QString beside = dir + QStringLiteral("Program.ini");
    const QFileInfo besideInfo(beside);
    if (besideInfo.exists() ? besideInfo.isWritable() : QFileInfo(dir).isWritable())
        return beside;
    // An installed copy cannot write beside itself.
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kestra";
    QDir().mkpath(config);
    return config + QStringLiteral("/Program.ini");
}
