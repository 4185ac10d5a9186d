#include "image/field_codec.h"

#include "image/decimal_scale.h"
#include "image/dtmf_text.h"
#include "image/number_field.h"

#include <algorithm>

namespace {

unsigned ReadRaw(const MemoryImage& image, const FieldSpec& f) {
    return f.width >= 8 ? image.Byte(f.offset) : image.Bits(f.offset, f.shift, f.width);
}

void WriteRaw(MemoryImage& image, const FieldSpec& f, unsigned value) {
    if (f.width >= 8)
        image.SetByte(f.offset, static_cast<uint8_t>(value));
    else
        image.SetBits(f.offset, f.shift, f.width, value);
}

int FirstItemStartingWith(const FieldSpec& f, std::string_view prefix) {
    for (size_t i = 0; i < f.options.size(); ++i)
        if (f.options[i].starts_with(prefix))
            return static_cast<int>(i);
    return -1;
}

int IndexOfStored(const FieldSpec& f, unsigned raw) {
    switch (f.encoding) {
    case FieldEncoding::Option:
        return raw < f.options.size() ? static_cast<int>(raw) : -1;
    case FieldEncoding::OptionNumber:
        return FirstItemStartingWith(f, std::to_string(int64_t{raw} * f.scale + f.bias));
    case FieldEncoding::OptionValue: {
        const auto it = std::find(f.values.begin(), f.values.end(), static_cast<int>(raw));
        return it == f.values.end() ? -1 : static_cast<int>(it - f.values.begin());
    }
    default:
        return -1;
    }
}

unsigned StoredOfIndex(const FieldSpec& f, int index) {
    switch (f.encoding) {
    case FieldEncoding::OptionNumber:
        return static_cast<unsigned>((ItemNumber(f.options[index]) - f.bias) / f.scale);
    case FieldEncoding::OptionValue:
        return static_cast<unsigned>(f.values[index]);
    default:
        return static_cast<unsigned>(index);
    }
}

} // namespace

int FallbackIndex(const FieldSpec& field) {
    return field.fallback.empty() ? -1 : FirstItemStartingWith(field, field.fallback);
}

int ItemNumber(std::string_view item) {
    const auto scanned = ScanInt(item);
    return scanned && scanned->fits ? scanned->value : 0;
}

FieldState LoadField(const MemoryImage& image, const FieldSpec& f) {
    FieldState state;
    switch (f.encoding) {
    case FieldEncoding::Number:
        state.text = FormatNumber(f.number, NumberFromStored(f.number, image.Byte(f.offset)));
        break;
    case FieldEncoding::Greeting:
        state.text = ReadGreeting(image, f.offset, f.size);
        break;
    case FieldEncoding::DtmfString:
        state.text = ReadDtmfText(image, f.offset, f.size);
        break;
    case FieldEncoding::KillCode:
        state.text = ReadKillCode(image, f.offset, f.size);
        break;
    default:
        state.index = IndexOfStored(f, ReadRaw(image, f));
    }
    return state;
}

void ApplyFallback(const FieldSpec& f, FieldState& state) {
    if (f.encoding == FieldEncoding::Number)
        state.text = NormaliseNumberText(f.number, state.text);
    else if (IsListEncoding(f.encoding) && state.index < 0)
        state.index = FallbackIndex(f);
}

void StoreField(MemoryImage& image, const FieldSpec& f, const FieldState& state) {
    switch (f.encoding) {
    case FieldEncoding::Number:
        image.SetByte(f.offset, StoredFromNumber(f.number, ParseNumberText(f.number, state.text)));
        break;
    case FieldEncoding::Greeting:
        WriteGreeting(image, f.offset, f.size, state.text);
        break;
    case FieldEncoding::DtmfString:
        WriteDtmfText(image, f.offset, f.size, state.text);
        break;
    case FieldEncoding::KillCode:
        WriteKillCode(image, f.offset, f.size, state.text);
        break;
    default:
        if (IsListEncoding(f.encoding) && state.index >= 0 &&
            static_cast<size_t>(state.index) < f.options.size())
            WriteRaw(image, f, StoredOfIndex(f, state.index));
    }
}

std::vector<FieldState> LoadFields(const MemoryImage& image, const std::vector<FieldSpec>& table) {
    std::vector<FieldState> states;
    states.reserve(table.size());
    for (const FieldSpec& f : table)
        states.push_back(LoadField(image, f));
    return states;
}

void ApplyFallbacks(const std::vector<FieldSpec>& table, std::vector<FieldState>& states) {
    for (size_t i = 0; i < table.size() && i < states.size(); ++i)
        ApplyFallback(table[i], states[i]);
}

void StoreFields(MemoryImage& image, const std::vector<FieldSpec>& table,
                 std::vector<FieldState>& states) {
    ApplyFallbacks(table, states);
    for (size_t i = 0; i < table.size() && i < states.size(); ++i)
        StoreField(image, table[i], states[i]);
}
