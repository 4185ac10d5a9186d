#pragma once

#include "link/ident_block.h"
#include "link/port_slots.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SerialLink;

enum class ProbeOutcome { Answered, NoAnswer, CannotOpen };

// What happened on one slot during a detection.
struct PortProbe {
    PortSlot slot;
    ProbeOutcome outcome = ProbeOutcome::NoAnswer;
    std::string reason;              // why the device did not open
    std::optional<IdentBlock> ident; // the identification of a radio that answered
    int64_t startMs = 0;             // since the detection began
    int64_t endMs = 0;
};

struct Detection {
    std::vector<PortProbe> probes; // in the order of the ports given
    // The first slot whose radio answered, or nullptr.
    const PortProbe* Found() const;
};

// Opens the device, runs the program handshake and, when the radio answers, ends the
// exchange as the identification read does (identify request, "ENDR").
PortProbe ProbePort(SerialLink& link, const PortSlot& slot);

// Makes the link for one slot; called on the thread that probes the slot.
using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;
// Runs all tasks at the same time and returns when every one has finished.
using ParallelRunner = std::function<void(const std::vector<std::function<void()>>& tasks)>;

// Probes every slot at once, one link each.
Detection DetectRadio(const std::vector<PortSlot>& ports, const LinkFactory& makeLink,
                      const ParallelRunner& runAll);
