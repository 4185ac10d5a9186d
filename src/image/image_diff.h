#pragma once

#include <string>
#include <vector>

class MemoryImage;

// The differences between two images, one line per field of the editors' tables that
// differs ("A 003 txFreq 144.77500 -> 145.37500") and one per run of differing bytes no table
// describes ("0x2E40-0x2E4F"), ordered by address. Empty when the images are equal.
std::vector<std::string> DiffImages(const MemoryImage& before, const MemoryImage& after);
