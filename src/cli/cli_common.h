#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum ExitCode {
    kExitOk = 0,
    kExitTransfer = 1,
    kExitDifferent = 1, // diff: the images differ
    kExitUsage = 2,
    kExitFile = 3,
    kExitSkipped = 4, // import-csv: some rows were not imported
};

struct CliCommand {
    std::string_view name;
    std::string_view summary; // one line for the program's --help
    std::string_view help;    // the command's --help text
    std::function<int(const std::vector<std::string>& args)> run;
};

// Every command the program offers, in help order.
const std::vector<CliCommand>& CliCommands();
void AddImageCommands(std::vector<CliCommand>& commands);
void AddTransferCommands(std::vector<CliCommand>& commands);
void AddCsvCommands(std::vector<CliCommand>& commands);
void AddDiffCommand(std::vector<CliCommand>& commands);
void AddDetectCommand(std::vector<CliCommand>& commands);

// Prints "kestra-cli: <message>" on stderr and returns the exit status.
int Fail(int status, std::string_view message);

// Where Default.dat and Program.ini live: $KESTRA_HOME when set, else the executable's folder.
std::filesystem::path ProgramDirectory();

bool IsHelpFlag(std::string_view arg);

// QSerialPort wants an application object on the thread that uses it; made once, on demand.
void EnsureQtApplication();

struct FileResult;
// One line for the user: why loading or saving the image file at `path` failed.
std::string DescribeImageFileError(const FileResult& result, const std::string& path);
