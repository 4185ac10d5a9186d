#include "cli/cli_common.h"

#include "image/band_limits.h"
#include "image/channel_grid_rules.h"
#include "image/image_file.h"
#include "image/memory_image.h"
#include "image/new_document.h"

#include <iostream>

namespace {

int RunNew(const std::vector<std::string>& args) {
    std::string output;
    std::filesystem::path defaultFile = ProgramDirectory() / "Default.dat";
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if ((args[i] == "-o" || args[i] == "--output") && hasValue)
            output = args[++i];
        else if (args[i] == "--default" && hasValue)
            defaultFile = args[++i];
        else
            return Fail(kExitUsage, "new: unexpected argument '" + args[i] + "'");
    }
    if (output.empty())
        return Fail(kExitUsage, "new: the output file is missing (-o OUT.dat)");
    MemoryImage image;
    BuildNewDocumentImage(image, defaultFile);
    const FileResult saved = SaveImageFile(output, image);
    return saved.ok() ? kExitOk : Fail(kExitFile, DescribeImageFileError(saved, output));
}

int RunChannels(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].starts_with('-'))
        return Fail(kExitUsage, "channels: expected exactly one image file");
    MemoryImage image;
    const FileResult loaded = LoadImageFile(args[0], image);
    if (!loaded.ok())
        return Fail(kExitFile, DescribeImageFileError(loaded, args[0]));
    BandLimits limits;
    for (const GridRow& row : LoadGrid(image, limits)) {
        if (row[kColRxFreq].empty())
            continue;
        for (int c = 0; c < kGridColumns; ++c)
            std::cout << row[c] << (c + 1 < kGridColumns ? '\t' : '\n');
    }
    return kExitOk;
}

} // namespace

void AddImageCommands(std::vector<CliCommand>& commands) {
    commands.push_back({"new", "write the image a new document starts with",
                        "Usage: kestra-cli new -o OUT.dat [--default FILE]\n"
                        "Writes the image a new document gets: FILE (by default Default.dat in\n"
                        "the program directory) when it can be opened, else the built-in "
                        "defaults.\n",
                        RunNew});
    commands.push_back({"channels", "print the channel table of an image",
                        "Usage: kestra-cli channels IN.dat\n"
                        "Prints one line per channel row that has a receive frequency, as the\n"
                        "channel grid shows it: label, receive, transmit, receive signalling,\n"
                        "transmit signalling, power, scan, bandwidth, busy, separated by tabs.\n",
                        RunChannels});
}
