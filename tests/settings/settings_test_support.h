#pragma once

#include "image/memory_image.h"
#include "image/region_layout.h"

#include <QString>

#include <vector>

// The field tables by the names the tests use: "features", "encode", "decode", "autodial"
// (own identity and separator) and "codes" (the ten auto-dial codes).
const std::vector<FieldSpec>& TableNamed(const QString& name);
const FieldSpec* FieldNamed(const std::vector<FieldSpec>& table, const QString& name);

// What the editor shows for the field of the image after its fallbacks.
QString ShownText(const MemoryImage& image, const FieldSpec& field);

// A new document's image without a Default.dat: 0xFF with the built-in defaults.
MemoryImage DefaultsImage();
// An image with every byte pseudo-random (a fixed generator, so failures repeat).
MemoryImage RandomImage(unsigned seed);
// Bits of the tables' fields in each byte of the settings range.
std::vector<uint8_t> OwnedMasks(const std::vector<const std::vector<FieldSpec>*>& tables);
