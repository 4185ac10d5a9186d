#include "cli/cli_common.h"

void AddCsvCommands(std::vector<CliCommand>&) {}
