#include "cli/cli_observer.h"

#include "cli/cli_common.h"

#include <iostream>
#include <unistd.h>

CliObserver::CliObserver() : m_showProgress(::isatty(STDERR_FILENO) == 1) {}

void CliObserver::ShowMessage(const std::string& message, const std::string& reason) {
    m_message = message;
    m_reason = reason;
}

void CliObserver::SetProgress(int, const std::string& percentText) {
    if (!m_showProgress)
        return;
    std::cerr << '\r' << percentText << std::flush;
    m_progressShown = true;
}

int CliObserver::Finish(bool succeeded) const {
    if (m_progressShown)
        std::cerr << '\n';
    if (succeeded) {
        if (!m_message.empty())
            std::cout << m_message << '\n';
        return kExitOk;
    }
    std::cerr << m_message << '\n';
    if (!m_reason.empty())
        std::cerr << m_reason << '\n';
    return kExitTransfer;
}
