#pragma once

#include <string>

// Receives the messages of an exchange: the fixed text, and the system's reason when there
// is one (empty otherwise).
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& message, const std::string& reason) = 0;
};

// What a clone transfer drives in its progress dialog. Called from the transfer's thread;
// the dialog marshals the calls onto its own thread in order.
class TransferObserver : public MessageSink {
  public:
    virtual void SetButtonsEnabled(bool enabled) = 0;
    // Bar position and the percentage text that goes with it ("37%").
    virtual void SetProgress(int position, const std::string& percentText) = 0;
    // Ends the dialog (its cancel command).
    virtual void Close() = 0;
};
