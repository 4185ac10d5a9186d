#pragma once

#include <string>
#include <vector>

// kestra-cli simulate: serves transfers until SIGINT or SIGTERM.
int RunSimulate(const std::vector<std::string>& args);
