#include "cli/cli_common.h"

#include "image/band_limits.h"
#include "image/channel_csv.h"
#include "image/image_file.h"
#include "image/memory_image.h"

#include <iostream>

namespace {

// "-o FILE" / "--output FILE" and the positional arguments; false on anything else.
bool SplitOutput(const std::vector<std::string>& args, std::vector<std::string>& positional,
                 std::string& output) {
    for (size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size())
            output = args[++i];
        else if (args[i].starts_with('-') && args[i] != "-")
            return false;
        else
            positional.push_back(args[i]);
    }
    return !output.empty();
}

bool LoadImage(const std::string& path, MemoryImage& image, int& status) {
    const FileResult loaded = LoadImageFile(path, image);
    if (!loaded.ok())
        status = Fail(kExitFile, DescribeImageFileError(loaded, path));
    return loaded.ok();
}

int RunExport(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string output;
    if (!SplitOutput(args, positional, output) || positional.size() != 1)
        return Fail(kExitUsage, "export-csv: expected IN.dat -o OUT.csv");
    MemoryImage image;
    int status = kExitOk;
    if (!LoadImage(positional[0], image, status))
        return status;
    BandLimits limits;
    RefreshBandLimitsFromImage(image, limits);
    const FileResult saved = SaveFileAtomically(output, ExportChannelsCsv(image, limits));
    return saved.ok() ? kExitOk : Fail(kExitFile, DescribeImageFileError(saved, output));
}

int RunImport(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string output;
    if (!SplitOutput(args, positional, output) || positional.size() != 2)
        return Fail(kExitUsage, "import-csv: expected IN.dat CHANNELS.csv -o OUT.dat");
    MemoryImage image;
    int status = kExitOk;
    if (!LoadImage(positional[0], image, status))
        return status;
    std::string text;
    const FileResult read = LoadTextFile(positional[1], text, kMaxChannelCsvBytes);
    if (!read.ok())
        return Fail(kExitFile, DescribeImageFileError(read, positional[1]));
    BandLimits limits;
    RefreshBandLimitsFromImage(image, limits);
    const CsvImportResult result = ImportChannelsCsv(text, image, limits);
    if (!result.error.empty())
        return Fail(kExitFile, positional[1] + ": " + result.error);
    std::cerr << DescribeImport(result);
    const FileResult saved = SaveImageFile(output, image);
    if (!saved.ok())
        return Fail(kExitFile, DescribeImageFileError(saved, output));
    return result.Count(CsvRowOutcome::Skipped) ? kExitSkipped : kExitOk;
}

} // namespace

void AddCsvCommands(std::vector<CliCommand>& commands) {
    commands.push_back(
        {"export-csv", "write the channels of an image as CSV",
         "Usage: kestra-cli export-csv IN.dat -o OUT.csv\n"
         "Writes every valid channel of both bands as one CSV row in the common\n"
         "channel-list layout (Location 1..256, frequencies in MHz, Duplex/Offset,\n"
         "Tone/CrossMode, Mode FM/NFM, Skip, Power, Comment \"A 001\"), followed by\n"
         "the fields that layout has no column for: signalType, pttId, voiceMode,\n"
         "busyLock, vox, repeaterMode, shiftDir, shiftOffset.\n"
         "Exit status: 0 success, 2 usage error, 3 file error.\n",
         RunExport});
    commands.push_back({"import-csv", "import channels from CSV into an image",
                        "Usage: kestra-cli import-csv IN.dat CHANNELS.csv -o OUT.dat\n"
                        "Reads the whole CSV file first (columns in any order, unknown columns\n"
                        "ignored, CRLF and a UTF-8 byte-order mark accepted), then puts each row\n"
                        "with a Location 1..256 into that record and the others into the first\n"
                        "empty record of the band their frequency lies in, and writes OUT.dat.\n"
                        "Rows the radio cannot hold are adapted or skipped; the summary goes to\n"
                        "stderr. Exit status: 0 every row imported, 2 usage error, 3 file error\n"
                        "(nothing written), 4 some rows were skipped.\n",
                        RunImport});
}
