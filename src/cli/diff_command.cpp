#include "cli/cli_common.h"

void AddDiffCommand(std::vector<CliCommand>&) {}
