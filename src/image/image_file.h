#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class MemoryImage;

enum class FileError { None, CannotOpen, CannotRead, TooShort, TooLong, CannotWrite };

struct FileResult {
    FileError error = FileError::None;
    std::string reason; // the system's reason or what was wrong, for the message's details
    bool ok() const { return error == FileError::None; }
};

// Reads the whole file first and changes the image only when the file holds at least the
// 16384 image bytes; a longer file contributes its first 16384.
FileResult LoadImageFile(const std::filesystem::path& path, MemoryImage& image);

// Writes exactly the 16384 image bytes to a temporary file beside the target and renames it
// over the target, so a failed save leaves an existing file as it was.
FileResult SaveImageFile(const std::filesystem::path& path, const MemoryImage& image);

// Writes `bytes` to a temporary file beside the target and renames it over the target.
FileResult SaveFileAtomically(const std::filesystem::path& path, std::string_view bytes);
// Reads a whole file of at most `limit` bytes; `text` changes only when that succeeded.
FileResult LoadTextFile(const std::filesystem::path& path, std::string& text, size_t limit);
