#include "cli/transfer_args.h"

#include "cli/cli_common.h"
#include "link/port_name.h"

#include <algorithm>

std::optional<std::string> TransferArgs::Option(const std::string& name) const {
    const auto found = options.find(name);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

TransferArgs ParseTransferArgs(const std::vector<std::string>& args,
                               const std::vector<std::string>& valued,
                               const std::vector<std::string>& flags) {
    TransferArgs parsed;
    const auto has = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (has(flags, arg))
            parsed.options[arg] = "";
        else if (has(valued, arg) && i + 1 < args.size())
            parsed.options[arg] = args[++i];
        else if (has(valued, arg))
            parsed.error = arg + " needs a value";
        else if (arg.size() > 1 && arg.starts_with('-'))
            parsed.error = "unexpected option '" + arg + "'";
        else
            parsed.positional.push_back(arg);
    }
    return parsed;
}

std::string PortDevice(const std::string& port) {
    return ResolvePortDevice(port, ProgramDirectory() / "Program.ini");
}
