#pragma once

#include "link/transfer_observer.h"

#include <string>

// Collects an exchange's messages for the command's exit and shows the progress on stderr
// when stderr is a terminal.
class CliObserver : public TransferObserver {
  public:
    CliObserver();

    void ShowMessage(const std::string& message, const std::string& reason) override;
    void SetButtonsEnabled(bool) override {}
    void SetProgress(int position, const std::string& percentText) override;
    void Close() override {}

    // Success: the message (if any) on stdout, status 0. Failure: the message and the
    // reason on stderr, status 1. In English the message's English text follows its line.
    int Finish(bool succeeded) const;

  private:
    std::string MessageLines() const;

    bool m_showProgress;
    bool m_english;
    bool m_progressShown = false;
    std::string m_message;
    std::string m_reason;
};
