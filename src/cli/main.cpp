#include "cli/cli_common.h"

#include <iostream>

static void PrintProgramHelp() {
    std::cout << "Usage: kestra-cli COMMAND [ARGS...]\n"
                 "Works with the radio's 16 KiB memory images (.dat files).\n\n"
                 "Commands:\n";
    for (const CliCommand& command : CliCommands())
        std::cout << "  " << command.name
                  << std::string(command.name.size() < 15 ? 15 - command.name.size() : 1, ' ')
                  << command.summary << '\n';
    std::cout << "\nRun 'kestra-cli COMMAND --help' for a command's options.\n"
                 "Exit status: 0 success, 1 the exchange with the radio failed, 2 usage error,\n"
                 "3 file error.\n";
}

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Fail(kExitUsage, "no command given; run 'kestra-cli --help'");
    if (IsHelpFlag(args[0])) {
        PrintProgramHelp();
        return kExitOk;
    }
    for (const CliCommand& command : CliCommands()) {
        if (command.name != args[0])
            continue;
        args.erase(args.begin());
        for (const std::string& arg : args)
            if (IsHelpFlag(arg)) {
                std::cout << command.help;
                return kExitOk;
            }
        return command.run(args);
    }
    return Fail(kExitUsage, "unknown command '" + args[0] + "'; run 'kestra-cli --help'");
}
