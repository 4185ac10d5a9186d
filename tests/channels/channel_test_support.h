#pragma once

#include "image/batch_generator.h"

#include <QString>

class MemoryImage;

// Batch settings from "key=value" words, e.g. "first=1 last=3 rxStart=145 rxStep=12.5".
// Unnamed fields keep the form's initial values (band 0's low limit as both starts).
BatchSettings ParseBatchSettings(const QString& words);
// "rx/tx" of a record as the dialogs show it; an empty transmit frequency shows as "-".
QString Frequencies(const MemoryImage& image, int record);
// An image of 258 cleared records.
void ClearedChannels(MemoryImage& image);
