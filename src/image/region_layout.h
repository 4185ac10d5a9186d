#pragma once

#include "image/input_rule.h"

#include <string>
#include <string_view>
#include <vector>

// How a field's bits are read and shown.
enum class FieldEncoding {
    Option,       // bit field holding the index of an item of `options`
    Frequency,    // 4-byte packed-BCD frequency field
    ToneCode,     // 2-byte tone code, low byte first
    Byte,         // plain byte
    Text,         // ASCII padded with 0xFF
    OptionNumber, // items are numbers: item number = stored value × scale + bias
    OptionValue,  // item i stores values[i] (rate table, DTMF characters, inverted switches)
    Number,       // edit with a spin, see NumberRule
    Greeting,     // printable ASCII padded with spaces, no terminator
    DtmfString,   // one DTMF code per byte, 0xFF after the text
    KillCode,     // DTMF codes, then 0x0F after the last one
};

// A number shown in an edit with a spin. The value is an integer in the field's own unit:
// value = stored byte × storeScale = number in the edit × textScale.
struct NumberRule {
    int storeScale = 1;
    int textScale = 1;
    int decimals = 0; // digits after the point when the value is shown
    int min = 0;
    int max = 255;
    int fallback = -1;     // what a value out of range becomes; -1 clamps it into range instead
    int loadFallback = -1; // what a stored value out of range shows; -1 shows it as it is
    int roundTo = 1;       // values are rounded down to a multiple of this before the range check
    int step = 1;          // what one spin step adds
};

// One setting inside a region: `offset` is relative to the region start (tables of whole
// image regions use absolute offsets); `shift` and `width` are the bit field inside that
// byte (width 8 for whole bytes; `size` bytes in total).
struct FieldSpec {
    std::string_view name;
    int offset = 0;
    int size = 1;
    int shift = 0;
    int width = 8;
    FieldEncoding encoding = FieldEncoding::Byte;
    std::vector<std::string_view> options{};
    std::vector<int> values{};   // OptionValue: what each item stores
    std::string_view fallback{}; // lists: the item (by prefix) chosen when none matches
    int scale = 1;               // OptionNumber
    int bias = 0;                // OptionNumber
    NumberRule number{};         // Number
    int maxLength = 0;           // characters an edit takes (text and number fields)
    KeyFilter keys = KeyFilter::Any;
    int id = 0; // the control's id
    std::string_view label{};
    bool hidden = false; // the control exists and takes part, but is never shown
};

bool IsListEncoding(FieldEncoding encoding);
// The bits of byte k (0 .. size-1) of the field.
uint8_t FieldMask(const FieldSpec& field, int k);

// The table check: every field inside [begin, end), sensible widths, option lists that fit
// their fields, fallbacks that name an item, numbers whose range fits a byte and the edit.
// Returns one line per problem; empty when the table is sound.
std::vector<std::string> FieldTableProblems(const std::vector<FieldSpec>& fields, int begin,
                                            int end);
// Fields of the tables that claim the same bit, as "a/b at 0x2049" lines.
std::vector<std::string> FieldOverlaps(const std::vector<const std::vector<FieldSpec>*>& tables);

constexpr int kRecordSize = 32;

// The fields of the 32-byte channel record, in record order; ChannelFieldId indexes the table.
enum class ChannelFieldId {
    RxFreq,
    TxFreq,
    RxTone,
    TxTone,
    SignalType,
    RepeaterMode,
    VoiceMode,
    PttId,
    Vox,
    ScanAdd,
    Power,
    Bandwidth,
    BusyLock,
    Reserved14,
    ShiftDir,
    ShiftOffset,
    Reserved20,
    Reserved21,
    Reserved22,
    Name,
    Reserved31,
    Count
};
// A bit field holding the index of one of `options`; `fallback` is the item shown for a
// stored index with no item.
FieldSpec OptionField(std::string_view name, int id, std::string_view label, int offset, int shift,
                      int width, std::vector<std::string_view> options,
                      std::string_view fallback = {});

const std::vector<FieldSpec>& ChannelRecordFields();
const FieldSpec& ChannelField(ChannelFieldId id);
