#include "cli/cli_observer.h"

#include "app/ui_language.h"
#include "cli/cli_common.h"
#include "image/ui_text.h"

#include <iostream>
#include <unistd.h>

namespace {

// The English text of an exchange message or reason, empty when it has none.
std::string English(const std::string& text) {
    const std::string english = EnglishText(kUiTextContext, text.c_str());
    return english == text ? std::string() : english;
}

} // namespace

CliObserver::CliObserver()
    : m_showProgress(::isatty(STDERR_FILENO) == 1),
      m_english(ProgramUiLanguage(ProgramDirectory() / "Program.ini") == UiLanguage::English) {}

// Scripts read the message's first line, which stays the Chinese text in every language.
std::string CliObserver::MessageLines() const {
    std::string lines = m_message + '\n';
    const std::string english = m_english ? English(m_message) : std::string();
    if (!english.empty())
        lines += english + '\n';
    if (!m_reason.empty()) {
        const std::string reason = m_english ? English(m_reason) : std::string();
        lines += (reason.empty() ? m_reason : reason) + '\n';
    }
    return lines;
}

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
            std::cout << MessageLines();
        return kExitOk;
    }
    std::cerr << MessageLines();
    return kExitTransfer;
}
