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

// g_exeDir once start-up has set it.
static QString CurrentProgramDirectory() {
    return g_exeDir.isEmpty() ? ProgramDirectory() : g_exeDir;
}

static QString ConfigDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kestra/");
}

// KESTRA_DATA_RELATIVE (from the build) leads from the installed executable to it. Found
// relative to the executable itself (not $KESTRA_HOME), so a copy installed under any
// prefix, or staged with DESTDIR, finds its own.
static QString InstalledDataDirectory() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(KESTRA_DATA_RELATIVE)) +
           QLatin1Char('/');
}

static bool ConfinedToProgramDirectory() {
    return !qEnvironmentVariableIsEmpty("KESTRA_HOME");
}

// An installed copy keeps its settings per user even where it could write beside itself
// (run by root), so the program directory is never written.
static bool IsInstalledCopy() {
    return !ConfinedToProgramDirectory() && QFileInfo(InstalledDataDirectory()).isDir();
}

QString ProgramIniPath() {
    const QString dir = CurrentProgramDirectory();
    const QString beside = dir + QStringLiteral("Program.ini");
    const QFileInfo besideInfo(beside);
    const bool writable =
        besideInfo.exists() ? besideInfo.isWritable() : QFileInfo(dir).isWritable();
    if (writable && !IsInstalledCopy())
        return beside;
    const QString config = ConfigDirectory();
    QDir().mkpath(config);
    return config + QStringLiteral("Program.ini");
}

QStringList DataDirectories() {
    const QString program = CurrentProgramDirectory();
    if (ConfinedToProgramDirectory())
        return {program};
    return {program, ConfigDirectory(), InstalledDataDirectory()};
}

QString DataFilePath(const QString& name) {
    const QStringList directories = DataDirectories();
    for (const QString& dir : directories)
        if (QFileInfo(dir + name).isFile())
            return dir + name;
    return directories.first() + name;
}
