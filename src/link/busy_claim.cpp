#include "link/busy_claim.h"

std::optional<BusyClaim> BusyClaim::TryClaim(std::atomic<bool>& flag) {
    bool expected = false;
    if (!flag.compare_exchange_strong(expected, true))
        return std::nullopt;
    return BusyClaim(flag);
}

BusyClaim::~BusyClaim() {
    if (m_flag)
        m_flag->store(false);
}
