#include "cli/cli_common.h"
#include "cli/cli_observer.h"
#include "cli/simulate_command.h"
#include "cli/transfer_args.h"

#include "image/image_backup.h"
#include "image/memory_image.h"
#include "image/new_document.h"
#include "link/clone_transfer.h"
#include "link/qt_serial_link.h"
#include "link/radio_info_read.h"
#include "link/service_transfer.h"

#include <ctime>
#include <functional>
#include <iostream>

namespace {

int UsageError(const std::string& command, const std::string& message) {
    return Fail(kExitUsage, command + ": " + message);
}

// The image bytes a read does not cover: --base, or the image a new document gets.
bool LoadBase(const TransferArgs& args, MemoryImage& image, int& status) {
    const auto base = args.Option("--base");
    if (!base) {
        BuildNewDocumentImage(image, ProgramDirectory() / "Default.dat");
        return true;
    }
    const FileResult loaded = LoadImageFile(*base, image);
    if (!loaded.ok())
        status = Fail(kExitFile, DescribeImageFileError(loaded, *base));
    return loaded.ok();
}

int SaveRead(const std::string& out, const MemoryImage& image) {
    const FileResult saved = SaveImageFile(out, image);
    return saved.ok() ? kExitOk : Fail(kExitFile, DescribeImageFileError(saved, out));
}

// A copy of what was read goes to the backup folder unless --no-backup; a backup that fails
// is reported but does not fail the read.
void Backup(const TransferArgs& args, const MemoryImage& image, BackupKind kind) {
    if (args.Option("--no-backup"))
        return;
    const BackupResult backup = SaveBackup(image, kind, BackupDirectory(), std::time(nullptr));
    if (!backup.error.empty())
        Fail(kExitOk, "warning: no backup: " + backup.error);
}

// Starts from the --base image (or a blank one), runs the exchange on --port, keeps a backup
// and saves what was read to `out`.
int ReadAndSave(const TransferArgs& args, const std::string& out, BackupKind kind,
                const std::function<bool(MemoryImage&, SerialLink&, const std::string&,
                                         TransferObserver&)>& exchange) {
    MemoryImage image;
    int status = kExitOk;
    if (!LoadBase(args, image, status))
        return status;
    EnsureQtApplication();
    QtSerialLink link;
    CliObserver observer;
    const bool ok = exchange(image, link, PortDevice(*args.Option("--port")), observer);
    status = observer.Finish(ok);
    if (ok)
        Backup(args, image, kind);
    return ok ? SaveRead(out, image) : status;
}

int RunRead(const std::vector<std::string>& raw) {
    const TransferArgs args =
        ParseTransferArgs(raw, {"--port", "-o", "--output", "--base"}, {"--no-backup"});
    const auto out = args.Option("-o") ? args.Option("-o") : args.Option("--output");
    if (!args.error.empty() || !args.positional.empty() || !args.Option("--port") || !out)
        return UsageError("read",
                          args.error.empty() ? "expected --port PORT -o OUT.dat" : args.error);
    return ReadAndSave(args, *out, BackupKind::Read,
                       [](MemoryImage& image, SerialLink& link, const std::string& device,
                          TransferObserver& observer) {
                           return CloneTransfer(ReadRequest(), image, link, device, observer);
                       });
}

int RunWriteLike(const std::string& command, TransferRequest request,
                 const std::vector<std::string>& raw) {
    const TransferArgs args = ParseTransferArgs(raw, {"--port"}, {"--verify"});
    if (!args.error.empty() || args.positional.size() != 1 || !args.Option("--port"))
        return UsageError(command, args.error.empty() ? "expected --port PORT [--verify] IN.dat"
                                                      : args.error);
    request.verify = args.Option("--verify").has_value();
    MemoryImage image;
    const FileResult loaded = LoadImageFile(args.positional[0], image);
    if (!loaded.ok())
        return Fail(kExitFile, DescribeImageFileError(loaded, args.positional[0]));
    EnsureQtApplication();
    QtSerialLink link;
    CliObserver observer;
    const bool ok =
        CloneTransfer(request, image, link, PortDevice(*args.Option("--port")), observer);
    return observer.Finish(ok);
}

int RunWrite(const std::vector<std::string>& raw) {
    return RunWriteLike("write", WriteRequest(), raw);
}

int RunInit(const std::vector<std::string>& raw) {
    return RunWriteLike("init", InitialiseRequest(), raw);
}

void PrintInfo(const RadioInfo& info) {
    std::cout << "model: " << info.model << '\n'
              << "mcu: " << info.mcuVersion.value_or("") << '\n'
              << "pc: " << info.pcVersion.value_or("") << '\n'
              << "band A: " << info.bandMhz[0] << '-' << info.bandMhz[1] << '\n'
              << "band B: " << info.bandMhz[2] << '-' << info.bandMhz[3] << '\n';
}

int RunInfo(const std::vector<std::string>& raw) {
    const TransferArgs args = ParseTransferArgs(raw, {"--port"});
    if (!args.error.empty() || !args.positional.empty() || !args.Option("--port"))
        return UsageError("info", args.error.empty() ? "expected --port PORT" : args.error);
    EnsureQtApplication();
    QtSerialLink link;
    CliObserver observer;
    const auto ident = ReadRadioIdent(link, PortDevice(*args.Option("--port")), observer);
    if (ident)
        PrintInfo(DecodeRadioInfo(*ident));
    return observer.Finish(ident.has_value());
}

std::optional<TransferRange> RegionNamed(const std::optional<std::string>& name) {
    if (name == "calibration")
        return kCalibrationRegion;
    if (name == "dtmf-decoder")
        return kDtmfDecoderRegion;
    return std::nullopt;
}

int RunServiceRead(const std::vector<std::string>& raw) {
    const TransferArgs args =
        ParseTransferArgs(raw, {"--port", "--region", "-o", "--output", "--base"}, {"--no-backup"});
    const auto out = args.Option("-o") ? args.Option("-o") : args.Option("--output");
    const auto region = RegionNamed(args.Option("--region"));
    if (!args.error.empty() || !args.positional.empty() || !args.Option("--port") || !out ||
        !region)
        return UsageError("service-read",
                          args.error.empty()
                              ? "expected --port PORT --region calibration|dtmf-decoder -o OUT.dat"
                              : args.error);
    const BackupKind kind = region->start == kCalibrationRegion.start ? BackupKind::Calibration
                                                                      : BackupKind::DtmfDecoder;
    return ReadAndSave(args, *out, kind,
                       [&](MemoryImage& image, SerialLink& link, const std::string& device,
                           TransferObserver& observer) {
                           return ServiceTransfer(TransferMode::Read, *region, image, link, device,
                                                  observer);
                       });
}

int RunServiceWrite(const std::vector<std::string>& raw) {
    const TransferArgs args = ParseTransferArgs(raw, {"--port", "--region"});
    const auto region = RegionNamed(args.Option("--region"));
    if (!args.error.empty() || args.positional.size() != 1 || !args.Option("--port") || !region)
        return UsageError("service-write",
                          args.error.empty()
                              ? "expected --port PORT --region calibration|dtmf-decoder IN.dat"
                              : args.error);
    MemoryImage image;
    const FileResult loaded = LoadImageFile(args.positional[0], image);
    if (!loaded.ok())
        return Fail(kExitFile, DescribeImageFileError(loaded, args.positional[0]));
    EnsureQtApplication();
    QtSerialLink link;
    CliObserver observer;
    const bool ok = ServiceTransfer(TransferMode::Write, *region, image, link,
                                    PortDevice(*args.Option("--port")), observer);
    return observer.Finish(ok);
}

constexpr const char* kBackupHelp =
    "A copy of the image read also goes to the backup folder ($KESTRA_HOME/backups, else\n"
    "~/.local/share/kestra/backups) unless --no-backup; only the newest 50 read and decoder\n"
    "backups are kept, calibration backups are never removed.\n";

constexpr const char* kPortHelp =
    "PORT is COM1..COM16 (mapped by [Ports] in Program.ini, else COM1-8 = /dev/ttyUSB0-7,\n"
    "COM9-12 = /dev/ttyACM0-3, COM13-16 = /dev/ttyS0-3) or a device path.\n"
    "Exit status: 0 success, 1 the exchange with the radio failed, 2 usage, 3 file error.\n";

} // namespace

void AddTransferCommands(std::vector<CliCommand>& commands) {
    const std::string port = kPortHelp;
    static const std::string readHelp =
        "Usage: kestra-cli read --port PORT -o OUT.dat [--base IN.dat] [--no-backup]\n"
        "Reads 0x0000-0x2FFF and 0x3F70-0x3FFF from the radio. The other bytes come from\n"
        "IN.dat (by default the image a new document gets). OUT.dat is written only when\n"
        "the read succeeded.\n" +
        std::string(kBackupHelp) + port;
    static const std::string verifyHelp =
        "With --verify the written ranges are read back in a second session and compared;\n"
        "a difference fails with 校验失败 and lists the first differing addresses.\n";
    static const std::string writeHelp = "Usage: kestra-cli write --port PORT [--verify] IN.dat\n"
                                         "Writes 0x0000-0x2FFF and 0x3F70-0x3FFF of IN.dat to "
                                         "the radio.\n" +
                                         verifyHelp + port;
    static const std::string initHelp = "Usage: kestra-cli init --port PORT [--verify] IN.dat\n"
                                        "Writes the whole image IN.dat to the radio.\n" +
                                        verifyHelp + port;
    static const std::string infoHelp =
        "Usage: kestra-cli info --port PORT\n"
        "Reads the radio's identification: model, MCU and PC version, band limits in MHz.\n" +
        port;
    static const std::string serviceReadHelp =
        "Usage: kestra-cli service-read --port PORT --region calibration|dtmf-decoder\n"
        "                               -o OUT.dat [--base IN.dat] [--no-backup]\n"
        "Reads the calibration region (0x3ED0-0x3F6F) or the DTMF decoder region\n"
        "(0x3E00-0x3E2F); the other bytes come from IN.dat or a new document's image.\n" +
        std::string(kBackupHelp) + port;
    static const std::string serviceWriteHelp =
        "Usage: kestra-cli service-write --port PORT --region calibration|dtmf-decoder IN.dat\n"
        "Writes that region of IN.dat to the radio.\n" +
        port;
    commands.push_back({"read", "read the radio into an image file", readHelp, RunRead});
    commands.push_back({"write", "write an image file to the radio", writeHelp, RunWrite});
    commands.push_back({"init", "write a whole image file to the radio", initHelp, RunInit});
    commands.push_back({"info", "show the radio's identification", infoHelp, RunInfo});
    commands.push_back({"service-read", "read the calibration or DTMF decoder region",
                        serviceReadHelp, RunServiceRead});
    commands.push_back({"service-write", "write the calibration or DTMF decoder region",
                        serviceWriteHelp, RunServiceWrite});
    commands.push_back({"simulate", "run a simulated radio on a pseudo-terminal",
                        "Usage: kestra-cli simulate [--image FILE] [--pace]\n"
                        "                           [--fault silent|stray|bad-ack:K|short:K|"
                        "hangup:K|\n"
                        "                                    corrupt:ADDR]\n"
                        "Prints 'device: /dev/pts/N', then answers transfers on that device\n"
                        "until SIGINT or SIGTERM. With --image the radio starts from FILE and\n"
                        "writes its memory back to FILE after each completed write. --pace\n"
                        "makes every byte take its time at 9600 baud. K counts the blocks of a\n"
                        "transfer from 1; 0 is the identification (bad-ack:0, short:0).\n"
                        "corrupt:ADDR inverts the byte at ADDR (hexadecimal) after each\n"
                        "completed write, as a radio that did not keep it.\n",
                        RunSimulate});
}
