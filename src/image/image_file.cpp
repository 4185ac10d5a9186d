#include "image/image_file.h"

#include "image/memory_image.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

static std::string SystemReason() {
    return std::strerror(errno);
}

// The first `limit` bytes of the file (all of it when it is shorter).
static FileResult ReadPrefix(const fs::path& path, size_t limit, std::string& bytes) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return {FileError::CannotRead, "is a directory"};
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {FileError::CannotOpen, SystemReason()};
    bytes.assign(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad())
        return {FileError::CannotRead, SystemReason()};
    bytes.resize(static_cast<size_t>(in.gcount()));
    return {};
}

FileResult LoadImageFile(const fs::path& path, MemoryImage& image) {
    std::string bytes;
    const FileResult read = ReadPrefix(path, kImageSize, bytes);
    if (!read.ok())
        return read;
    if (bytes.size() < kImageSize)
        return {FileError::TooShort,
                std::to_string(bytes.size()) + " of " + std::to_string(kImageSize) + " bytes"};
    image.Write(0, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    return {};
}

static fs::path SaveTarget(const fs::path& path) {
    // Replace the file a link points to, not the link.
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::canonical(path, ec);
        if (!ec)
            return target;
    }
    return path;
}

static FileResult WriteAll(const fs::path& path, std::string_view bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return {FileError::CannotWrite, SystemReason()};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return {FileError::CannotWrite, SystemReason()};
    return {};
}

FileResult SaveFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = SaveTarget(path);
    fs::path temp = target;
    temp.replace_filename("." + target.filename().string() + ".saving");
    FileResult result = WriteAll(temp, bytes);
    std::error_code ec;
    if (result.ok()) {
        if (fs::exists(target, ec))
            fs::permissions(temp, fs::status(target, ec).permissions(), ec);
        fs::rename(temp, target, ec);
        if (ec)
            result = {FileError::CannotWrite, ec.message()};
    }
    if (!result.ok())
        fs::remove(temp, ec);
    return result;
}

FileResult SaveImageFile(const fs::path& path, const MemoryImage& image) {
    const auto bytes = image.Bytes();
    return SaveFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

FileResult LoadTextFile(const fs::path& path, std::string& text, size_t limit) {
    std::string bytes;
    const FileResult read = ReadPrefix(path, limit + 1, bytes);
    if (!read.ok())
        return read;
    if (bytes.size() > limit)
        return {FileError::TooLong, "more than " + std::to_string(limit) + " bytes"};
    text = std::move(bytes);
    return {};
}
