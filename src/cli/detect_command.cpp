#include "cli/cli_common.h"
#include "cli/transfer_args.h"

#include "link/link_messages.h"
#include "link/qt_port_detector.h"

#include <iostream>

namespace {

constexpr const char* kMsgNoRadio = "未找到对讲机";

std::string SlotText(const PortSlot& slot) {
    return "COM" + std::to_string(slot.number) + " " + slot.device;
}

void PrintOutcomes(const Detection& detection) {
    if (detection.probes.empty())
        std::cerr << "COM1-COM16 都没有对应的设备\n";
    for (const PortProbe& probe : detection.probes) {
        std::cerr << SlotText(probe.slot) << ": ";
        if (probe.outcome == ProbeOutcome::CannotOpen)
            std::cerr << kMsgCannotOpenPort << (probe.reason.empty() ? "" : "：" + probe.reason);
        else
            std::cerr << "无应答";
        std::cerr << '\n';
    }
}

int RunDetect(const std::vector<std::string>& raw) {
    const TransferArgs args = ParseTransferArgs(raw, {});
    if (!args.error.empty() || !args.positional.empty())
        return Fail(kExitUsage,
                    "detect: " + (args.error.empty() ? "expects no arguments" : args.error));
    EnsureQtApplication();
    const Detection detection =
        DetectRadioOnSerialPorts(ExistingPortSlots(ProgramDirectory() / "Program.ini"));
    if (const PortProbe* found = detection.Found()) {
        std::cout << SlotText(found->slot) << '\n';
        return kExitOk;
    }
    std::cerr << kMsgNoRadio << '\n';
    PrintOutcomes(detection);
    return kExitTransfer;
}

} // namespace

void AddDetectCommand(std::vector<CliCommand>& commands) {
    commands.push_back(
        {"detect", "find the port the radio is on",
         "Usage: kestra-cli detect\n"
         "Tries every port COM1..COM16 whose device exists ([Ports] in Program.ini, else\n"
         "COM1-8 = /dev/ttyUSB0-7, COM9-12 = /dev/ttyACM0-3, COM13-16 = /dev/ttyS0-3), all\n"
         "at once: the program request, up to 4 times, then the end of the exchange as after\n"
         "'info'. Prints 'COMn DEVICE' of the first port whose radio answered. Without a\n"
         "radio it ends within 1.5 s with 未找到对讲机 and each port's outcome on stderr.\n"
         "Exit status: 0 found, 1 no radio answered, 2 usage.\n",
         RunDetect});
}
