#pragma once

#include "image/memory_image.h"
#include "link/clone_transfer.h"
#include "link/ident_block.h"
#include "link/transfer_observer.h"
#include "link/transfer_range.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <vector>

// Every call an exchange makes on its observer, as short texts in order.
class RecordingObserver : public TransferObserver {
  public:
    void ShowMessage(const std::string& message, const std::string& reason) override;
    void SetButtonsEnabled(bool enabled) override;
    void SetProgress(int position, const std::string& percentText) override;
    void Close() override;

    QStringList events;
    QStringList messages;
    std::string lastReason;
    int lastPosition = -1;
    QString lastPercent;
};

QByteArray ToBytes(const std::vector<uint8_t>& bytes);

// The bytes the PC and the radio put on the line for one complete exchange.
struct ExpectedLine {
    QByteArray fromPc;
    QByteArray fromRadio;
};

QByteArray ProgramRequest();
ExpectedLine ExpectedOpening(const IdentBlock& ident); // handshake, identification, "A"
void AppendReadBlocks(ExpectedLine& line, TransferRange range, const MemoryImage& radio);
void AppendWriteBlocks(ExpectedLine& line, TransferRange range, const MemoryImage& pc);

// Bytes that differ from address to address (misplaced blocks show), with a programmed
// band block.
MemoryImage PatternImage(uint8_t seed);

// `base` with the request's ranges taken from `from`.
MemoryImage WithRanges(const MemoryImage& base, const MemoryImage& from,
                       const TransferRequest& request);

// Offsets where two images differ, for readable failures.
QString FirstDifference(const MemoryImage& a, const MemoryImage& b);
