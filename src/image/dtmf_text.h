#pragma once

#include "image/memory_image.h"
#include "image/region_layout.h"

#include <string>
#include <string_view>

// Text fields of the settings regions: DTMF strings (one 4-bit code per byte), the kill code
// with its terminator and the power-on greeting.

// The characters of `size` bytes up to the first code of 16 or more.
std::string ReadDtmfText(const MemoryImage& image, int offset, int size);
// Fills the bytes with 0xFF, then writes the codes of the first `size` characters.
void WriteDtmfText(MemoryImage& image, int offset, int size, std::string_view text);

// The kill code keeps its codes in the first size - 1 bytes and marks the end with 0x0F (the
// code of "#") in the byte after the last code; loading drops that one trailing "#".
std::string ReadKillCode(const MemoryImage& image, int offset, int size);
void WriteKillCode(MemoryImage& image, int offset, int size, std::string_view text);

// The greeting: digit codes read as their characters, ends at the first unprintable byte,
// trailing spaces removed; stored as printable ASCII padded with spaces.
std::string ReadGreeting(const MemoryImage& image, int offset, int size);
void WriteGreeting(MemoryImage& image, int offset, int size, std::string_view text);
