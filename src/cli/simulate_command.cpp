#include "cli/simulate_command.h"

#include "cli/cli_common.h"
#include "cli/transfer_args.h"

#include "image/memory_image.h"
#include "image/new_document.h"
#include "link/radio_simulator.h"

#include <csignal>
#include <iostream>
#include <pthread.h>

namespace {

sigset_t StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

bool ParseOptions(const TransferArgs& args, SimulatorOptions& options, std::string& error) {
    options.paced = args.Option("--pace").has_value();
    if (const auto fault = args.Option("--fault")) {
        const auto parsed = ParseSimulatorFault(*fault);
        if (!parsed) {
            error = "unknown fault '" + *fault + "'";
            return false;
        }
        options.fault = *parsed;
    }
    return true;
}

} // namespace

int RunSimulate(const std::vector<std::string>& raw) {
    const TransferArgs args = ParseTransferArgs(raw, {"--image", "--fault"}, {"--pace"});
    SimulatorOptions options;
    std::string error = args.error;
    if (!error.empty() || !args.positional.empty() || !ParseOptions(args, options, error))
        return Fail(kExitUsage, "simulate: " + (error.empty() ? "unexpected argument" : error));
    MemoryImage memory;
    const auto imageFile = args.Option("--image");
    if (imageFile) {
        const FileResult loaded = LoadImageFile(*imageFile, memory);
        if (!loaded.ok())
            return Fail(kExitFile, DescribeImageFileError(loaded, *imageFile));
    } else {
        BuildNewDocumentImage(memory, ProgramDirectory() / "Default.dat");
    }
    // Blocked before the simulator's thread starts, so only sigwait below sees them.
    const sigset_t signals = StopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    RadioSimulator radio(memory, options);
    if (imageFile)
        radio.SetWriteCompleteHandler([path = *imageFile](const MemoryImage& written) {
            const FileResult saved = SaveImageFile(path, written);
            if (!saved.ok())
                std::cerr << "kestra-cli: " << DescribeImageFileError(saved, path) << std::endl;
        });
    if (!radio.Start(error))
        return Fail(kExitFile, "simulate: cannot create a pseudo-terminal: " + error);
    std::cout << "device: " << radio.DevicePath() << std::endl;
    int received = 0;
    sigwait(&signals, &received);
    radio.Stop();
    return kExitOk;
}
