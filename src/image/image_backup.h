#pragma once

#include <ctime>
#include <filesystem>
#include <string>

class MemoryImage;

// Every image read from a radio is also kept in a backup folder, so a radio's contents (above
// all its calibration, which exists nowhere else) can be recovered after a bad write.
enum class BackupKind { Read, Calibration, DtmfDecoder };

// $KESTRA_HOME/backups when that is set, else $XDG_DATA_HOME/kestra/backups, else
// ~/.local/share/kestra/backups.
std::filesystem::path BackupDirectory();

// "20261207-153012-read.dat", "...-calibration.dat", "...-dtmf-decoder.dat" in local time.
std::string BackupFileName(std::time_t when, BackupKind kind);

struct BackupResult {
    std::filesystem::path path; // the file written; empty when the backup failed
    std::string error;          // why it failed
};

// Writes the image to `directory` (made when missing) under the name for `when`; a second
// backup within the same second gets "-2", "-3", ... Then removes all but the newest
// `keep` read and decoder backups; calibration backups are never removed.
BackupResult SaveBackup(const MemoryImage& image, BackupKind kind,
                        const std::filesystem::path& directory, std::time_t when, int keep = 50);
