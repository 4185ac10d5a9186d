#pragma once

#include <filesystem>

class MemoryImage;

// The image a new document gets: all 0xFF, then the first 16384 bytes of `defaultFile` when
// it can be opened (a shorter file leaves the rest 0xFF), otherwise the built-in defaults.
// Returns true when the file was used.
bool BuildNewDocumentImage(MemoryImage& image, const std::filesystem::path& defaultFile);

// The built-in defaults over an image: 258 cleared records and the settings' start values.
void ApplyBuiltInDefaults(MemoryImage& image);
