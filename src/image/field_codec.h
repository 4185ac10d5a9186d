#pragma once

#include "image/memory_image.h"
#include "image/region_layout.h"

#include <string>
#include <vector>

// What an editor shows for one field: the selected item of a list (-1: none), or the text of
// an edit. Editors move these between their controls and the image.
struct FieldState {
    int index = -1;
    std::string text;
};

FieldState LoadField(const MemoryImage& image, const FieldSpec& field);
// A list without a selection gets its fallback item; a number is normalised.
void ApplyFallback(const FieldSpec& field, FieldState& state);
// Writes the state as it is; bit fields keep the byte's other bits. A list without a
// selection leaves its field alone.
void StoreField(MemoryImage& image, const FieldSpec& field, const FieldState& state);

// The item the fallback names (the first that begins with it), -1 when there is none.
int FallbackIndex(const FieldSpec& field);
// The number an item of an OptionNumber list stands for (0 when it is not a number).
int ItemNumber(std::string_view item);

std::vector<FieldState> LoadFields(const MemoryImage& image, const std::vector<FieldSpec>& table);
void ApplyFallbacks(const std::vector<FieldSpec>& table, std::vector<FieldState>& states);
// Fallbacks first, then every field.
void StoreFields(MemoryImage& image, const std::vector<FieldSpec>& table,
                 std::vector<FieldState>& states);
