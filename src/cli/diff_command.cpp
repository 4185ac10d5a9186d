#include "cli/cli_common.h"

#include "image/image_diff.h"
#include "image/image_file.h"
#include "image/memory_image.h"

#include <iostream>

namespace {

int RunDiff(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0].starts_with('-') || args[1].starts_with('-'))
        return Fail(kExitUsage, "diff: expected exactly two image files");
    MemoryImage images[2];
    for (int i = 0; i < 2; ++i) {
        const FileResult loaded = LoadImageFile(args[i], images[i]);
        if (!loaded.ok())
            return Fail(kExitFile, DescribeImageFileError(loaded, args[i]));
    }
    const std::vector<std::string> lines = DiffImages(images[0], images[1]);
    for (const std::string& line : lines)
        std::cout << line << '\n';
    return lines.empty() ? kExitOk : kExitDifferent;
}

} // namespace

void AddDiffCommand(std::vector<CliCommand>& commands) {
    commands.push_back(
        {"diff", "list the differences between two images by field name",
         "Usage: kestra-cli diff A.dat B.dat\n"
         "Prints one line per difference, \"NAME OLD -> NEW\", in address order:\n"
         "  A 003 txFreq ...      channel records, labelled as in the channel grid\n"
         "                        (A 001..A 128, B 001..B 128, A VFO, B VFO)\n"
         "  可选功能 LABEL ...     optional features\n"
         "  DTMF LABEL ...        DTMF settings; DTMF 自动拨号 0..9 the auto-dial codes\n"
         "  机型 A段下限 ...       band limits in whole MHz\n"
         "  收音机 ...             FM broadcast receiver; 收音机 信道 1..20 its channels\n"
         "  DTMF 初始化 LABEL ...  DTMF decoder values (hexadecimal)\n"
         "  calibration 0xADDR ... calibration values and grid cells by address (with\n"
         "                        the label where several values share the byte)\n"
         "Values are shown as the editors show them; \"\" is an empty value. When two\n"
         "values show alike, the stored bits follow in parentheses. Bytes no editor\n"
         "describes are listed as address ranges (0x2E40-0x2E4F), with their bytes\n"
         "when the range is at most 8 bytes long.\n"
         "Exit status: 0 the images are equal, 1 they differ, 2 usage error,\n"
         "3 a file cannot be loaded.\n",
         RunDiff});
}
