// Every text parser and normaliser on any text: no undefined behaviour, and normalised text
// normalises to itself.
#include "fuzz_support.h"

#include "image/band_limits.h"
#include "image/codecs.h"
#include "image/decimal_scale.h"
#include "image/fm_receiver_region.h"
#include "image/input_rule.h"
#include "image/numeric_text.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BandLimits limits;

    const int32_t frequency = ParseFrequencyText(text);
    if (frequency >= 0)
        FUZZ_CHECK(ParseFrequencyText(FormatFrequencyText(frequency)) == frequency);
    for (FrequencyFallback fallback : {FrequencyFallback::Dialog, FrequencyFallback::Grid}) {
        const std::string normal = NormaliseFrequencyText(text, limits, fallback);
        FUZZ_CHECK(NormaliseFrequencyText(normal, limits, fallback) == normal);
    }
    const std::string tone = NormaliseToneText(text);
    FUZZ_CHECK(NormaliseToneText(tone) == tone);
    // What a normalised tone text stores reads back as the same code.
    EncodeToneCode(text);
    const auto code = EncodeToneCode(tone);
    FUZZ_CHECK(EncodeToneCode(DecodeToneCode(code.first, code.second)) == code);
    const std::string fm = NormaliseFmText(text);
    FUZZ_CHECK(NormaliseFmText(fm) == fm);
    ParseFmText(text);
    ParseChannelLabel(text);
    LeadingDecimal(text);
    ScanInt(text);
    for (int base : {10, 16}) {
        ReadNumberText(text, base);
        const std::string clamped = ClampNumberText(text, 0, 255, base);
        FUZZ_CHECK(ClampNumberText(clamped, 0, 255, base) == clamped);
        StepNumberText(text, 1, 0, 255, base);
    }

    std::u32string wide;
    for (unsigned char c : text)
        wide.push_back(c);
    for (int f = 0; f <= static_cast<int>(KeyFilter::Dtmf); ++f) {
        const auto filter = static_cast<KeyFilter>(f);
        const std::u32string once = FilterText(filter, wide);
        FUZZ_CHECK(FilterText(filter, once) == once);
        FUZZ_CHECK(once.size() <= wide.size());
    }
    return 0;
}
