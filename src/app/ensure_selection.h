#pragma once

class QComboBox;
class QString;

// A drop-down without a selection gets its fallback item; one with a selection is left alone.
void EnsureSelection(QComboBox* list, int fallbackIndex);
// The same, with the first item that begins with `prefix` as the fallback.
void EnsureSelectionByPrefix(QComboBox* list, const QString& prefix);
