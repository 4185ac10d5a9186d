#pragma once

#include "image/image_file.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// A transfer command's arguments: options with a value, and positional arguments.
struct TransferArgs {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
    std::string error; // set when the arguments do not parse

    std::optional<std::string> Option(const std::string& name) const;
};

// `valued` lists the options that take a value; `flags` those that take none (stored as "").
TransferArgs ParseTransferArgs(const std::vector<std::string>& args,
                               const std::vector<std::string>& valued,
                               const std::vector<std::string>& flags = {});

// The device behind --port: a path as it is, "COMn" through Program.ini and the default table.
std::string PortDevice(const std::string& port);
