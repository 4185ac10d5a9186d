#pragma once

#include "image/batch_generator.h"

#include <QString>

class MemoryImage;
class QWidget;

// Batch settings from "first-last key=value...": form keys (e.g. "1-3 rxStart=145 rxStep=25",
// "mode=offset" or "own", "options=" item digits); unnamed fields keep the form's initial values.
BatchSettings ParseBatchSettings(const QString& words);
// "rx/tx" of a record as the dialogs show it; an empty transmit frequency shows as "-".
QString Frequencies(const MemoryImage& image, int record);
// An image of 258 cleared records.
void ClearedChannels(MemoryImage& image);
// Gives `edit` the focus and types `text` over all its text (an empty text deletes it).
void Retype(QWidget* edit, const QString& text);
