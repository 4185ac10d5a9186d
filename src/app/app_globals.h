#pragma once

#include "image/band_limits.h"
#include "image/memory_image.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <string>

// The process-wide values every editor and transfer works on.
extern MemoryImage g_image;     // the one memory image; documents do not own copies
extern BandLimits g_bandLimits; // the working band limits, from the built-in values
extern std::string g_portName;  // "COM1".."COM9", "\\.\COM10" and up
extern QString g_exeDir;        // program directory with a trailing separator
extern QString g_radioType;     // "Setup"/"Type" of Program.ini
extern std::atomic<bool> g_transferBusy;
extern QString g_dtmfCallId; // the auto-dial call identity, "100" at start, kept for the run
// Set for the rest of the run by the first correct service password: the service entries
// and the view's "初始化" button are shown from then on, in every menu and view.
extern bool g_serviceMode;

// The program directory: $KESTRA_HOME when set, else the executable's folder.
QString ProgramDirectory();
// Program.ini in the program directory, or in ~/.config/kestra/ when that is not writable
// or the program is an installed copy (one with its data directory beside it).
QString ProgramIniPath();
// Where Default.dat, startup.bmp and background.bmp are looked for, in order, each with a
// trailing separator: the program directory, then ~/.config/kestra/ and the installed data
// directory (<prefix>/share/kestra/). $KESTRA_HOME confines the search to that directory.
QStringList DataDirectories();
// `name` in the first of DataDirectories() that holds it; in the program directory when none does.
QString DataFilePath(const QString& name);
