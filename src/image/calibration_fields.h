#pragma once

#include "image/input_rule.h"

#include <span>
#include <string_view>

class MemoryImage;

// How an edit's number sits in the image.
enum class CalibrationEncoding {
    Bits,      // `width` bits from bit `shift` of the byte at `offset`
    Word,      // 16 bits, little-endian
    Deviation, // 16 bits, little-endian, holding the value × 64
};

// One labelled edit of the parameter adjustment dialog, with its spin range.
struct CalibrationField {
    int id; // the edit's control id; its spin is id + 1
    std::string_view label;
    int offset;
    int shift;
    int width;
    CalibrationEncoding encoding;
    int minimum;
    int maximum;
    int base;         // 10, or 16 for the compander thresholds
    TextRule text;    // what the edit takes
    bool clampOnLoad; // clamped when loaded and before a store
    bool hidden;
};

std::span<const CalibrationField> CalibrationFields();
const CalibrationField* FindCalibrationField(int id);

// The field's number as stored (deviations shown shifted right by 6).
int LoadCalibrationField(const MemoryImage& image, const CalibrationField& field);
// Stores the low bits of `value` that the field holds; the other bits of its bytes stay.
void StoreCalibrationField(MemoryImage& image, const CalibrationField& field, int value);

// A check box of the dialog: one bit; "测试模式" is checked when its bit is clear.
struct CalibrationSwitch {
    int id;
    std::string_view label;
    int offset;
    int bit;
    bool inverted;
};

std::span<const CalibrationSwitch> CalibrationSwitches();
bool LoadCalibrationSwitch(const MemoryImage& image, const CalibrationSwitch& sw);
void StoreCalibrationSwitch(MemoryImage& image, const CalibrationSwitch& sw, bool checked);
