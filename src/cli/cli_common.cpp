#include "cli/cli_common.h"

#include "image/image_file.h"

#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <system_error>

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = [] {
        std::vector<CliCommand> list;
        AddImageCommands(list);
        AddCsvCommands(list);
        AddDiffCommand(list);
        AddTransferCommands(list);
        AddDetectCommand(list);
        return list;
    }();
    return commands;
}

int Fail(int status, std::string_view message) {
    std::cerr << "kestra-cli: " << message << '\n';
    return status;
}

std::filesystem::path ProgramDirectory() {
    if (const char* home = std::getenv("KESTRA_HOME"); home && *home)
        return std::filesystem::path(home);
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "kestra-cli";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

bool IsHelpFlag(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

std::string DescribeImageFileError(const FileResult& result, const std::string& path) {
    switch (result.error) {
    case FileError::CannotOpen:
        return "cannot open " + path + ": " + result.reason;
    case FileError::CannotRead:
        return "cannot read " + path + ": " + result.reason;
    case FileError::TooShort:
        return path + " is not a memory image (" + result.reason + ")";
    case FileError::TooLong:
        return path + " is too large (" + result.reason + ")";
    case FileError::CannotWrite:
        return "cannot write " + path + ": " + result.reason;
    case FileError::None:
        break;
    }
    return {};
}
