#include "link/port_detector.h"

#include "link/clone_framing.h"
#include "link/serial_link.h"
#include "link/stopwatch.h"

const PortProbe* Detection::Found() const {
    for (const PortProbe& probe : probes)
        if (probe.outcome == ProbeOutcome::Answered)
            return &probe;
    return nullptr;
}

PortProbe ProbePort(SerialLink& link, const PortSlot& slot) {
    PortProbe probe;
    probe.slot = slot;
    if (!OpenClonePort(link, slot.device)) {
        probe.outcome = ProbeOutcome::CannotOpen;
        probe.reason = link.ErrorReason();
        return probe;
    }
    if (ProgramHandshake(link, kCloneHandshakePauseMs)) {
        probe.outcome = ProbeOutcome::Answered;
        // The radio is in programming mode now; "ENDR" lets it go again.
        IdentBlock ident;
        if (ReadIdentBlock(link, ident))
            probe.ident = ident;
        SendEnd(link, EndCommand::Read);
    }
    link.Close();
    return probe;
}

Detection DetectRadio(const std::vector<PortSlot>& ports, const LinkFactory& makeLink,
                      const ParallelRunner& runAll) {
    Detection detection;
    detection.probes.resize(ports.size());
    const Stopwatch clock;
    std::vector<std::function<void()>> tasks;
    for (size_t i = 0; i < ports.size(); ++i)
        tasks.push_back([&, i] {
            const int64_t start = clock.ElapsedMs();
            const std::unique_ptr<SerialLink> link = makeLink();
            PortProbe& probe = detection.probes[i];
            if (link) {
                probe = ProbePort(*link, ports[i]);
            } else {
                probe.slot = ports[i];
                probe.outcome = ProbeOutcome::CannotOpen;
            }
            probe.startMs = start;
            probe.endMs = clock.ElapsedMs();
        });
    runAll(tasks);
    return detection;
}
