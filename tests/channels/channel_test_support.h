#pragma once

#include "image/batch_generator.h"

#include <QString>

class MemoryImage;
class QWidget;

// Batch settings from words: "first-last", then "key=value" (keys as in the form, e.g.
// "rxStart=145 rxStep=12.5"; "mode" is "offset" or "own"; "options" gives digits). Unnamed fields
// keep the form's initial values (all channels, band 0's low limit as both starts).
BatchSettings ParseBatchSettings(const QString& words);
// "rx/tx" of a record as the dialogs show it; an empty transmit frequency shows as "-".
QString Frequencies(const MemoryImage& image, int record);
// An image of 258 cleared records.
void ClearedChannels(MemoryImage& image);
// Gives `edit` the focus and types `text` over all its text (an empty text deletes it).
void Retype(QWidget* edit, const QString& text);
