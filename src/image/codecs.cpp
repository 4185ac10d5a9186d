#include "image/codecs.h"

#include "image/band_limits.h"
#include "image/decimal_scale.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

uint8_t ToBcd(int n) {
    return static_cast<uint8_t>((n / 10) * 16 + n % 10);
}

int FromBcd(uint8_t b) {
    return (b / 16) * 10 + b % 16;
}

void EncodeFrequencyField(int32_t value, std::span<uint8_t, 4> out) {
    if (value < 0) {
        for (auto& b : out)
            b = 0xFF;
        return;
    }
    for (int k = 0; k < 4; ++k) {
        out[k] = ToBcd(value % 100);
        value /= 100;
    }
}

int32_t DecodeFrequencyField(std::span<const uint8_t, 4> field) {
    int32_t value = 0;
    for (int k = 3; k >= 0; --k)
        value = value * 100 + FromBcd(field[k]);
    return value;
}

int32_t ParseFrequencyText(std::string_view text) {
    const auto scaled = TruncateToInt64(DecimalScale(LeadingDecimal(text), 100000));
    if (!scaled || *scaled > kMaxFieldValue || *scaled < -kMaxFieldValue)
        return kUnfitFrequency;
    return static_cast<int32_t>(*scaled);
}

static std::string FormatFixed(double value, int decimals) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, res.ptr);
}

std::string FormatFrequencyText(int32_t value) {
    return FormatFixed(DecimalScale(value, 0.00001), 5);
}

int32_t SnapToStep(int32_t value) {
    if (value % 250 == 0 || value % 625 == 0)
        return value;
    const int32_t step = (value % 625) < (value % 500) ? 625 : 500;
    return value - value % step;
}

int32_t SnapToNearestStep(int32_t value) {
    if (value < 0 || value % 250 == 0 || value % 625 == 0)
        return value;
    const int64_t v = value;
    const int64_t candidates[] = {v - v % 250, v - v % 250 + 250, v - v % 625, v - v % 625 + 625};
    int64_t best = candidates[0];
    for (int64_t c : candidates)
        if (c <= INT32_MAX && std::llabs(c - v) < std::llabs(best - v))
            best = c;
    return static_cast<int32_t>(best);
}

std::string NormaliseFrequencyText(std::string_view text, const BandLimits& limits,
                                   FrequencyFallback fallback) {
    int32_t value = ParseFrequencyText(text);
    if (fallback == FrequencyFallback::Grid && value == 0)
        return {};
    if (limits.BandOf(value) == -1) {
        int band = 0;
        // With no configured band the grid has nothing better than band 0's low limit.
        if (fallback == FrequencyFallback::Grid && limits.FirstConfiguredBand() >= 0)
            band = limits.FirstConfiguredBand();
        value = limits.low[band];
    }
    return FormatFrequencyText(SnapToStep(value));
}

namespace {

constexpr int kCtcssTenths[] = {670,  693,  719,  744,  770,  797,  825,  854,  885,  915,
                                948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
                                1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679,
                                1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966, 1995,
                                2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

constexpr int kDcsCodes[] = {
    17,  23,  25,  26,  31,  32,  36,  43,  47,  50,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205,
    212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306,
    311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432,
    445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606,
    612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

// "%3.1f" of tenths / 10, done in integers so it is exact.
std::string FormatTenths(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string FormatDcs(int code, char suffix) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "D%03d%c", code, suffix);
    return buf;
}

// Truncation of (leading number × 10), empty when it does not fit.
std::optional<int64_t> TenthsOf(std::string_view text) {
    return TruncateToInt64(DecimalScale(LeadingDecimal(text), 10));
}

std::string ToneTextFromTenths(std::optional<int64_t> v, bool keep, std::string_view typed) {
    if (!v || *v < 600 || *v > 2800)
        return kNoTone;
    return keep ? std::string(typed) : FormatTenths(static_cast<int>(*v));
}

} // namespace

const std::vector<std::string>& ToneList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> items{kNoTone};
        for (int t : kCtcssTenths)
            items.push_back(FormatTenths(t));
        for (char suffix : {'N', 'I'})
            for (int code : kDcsCodes)
                items.push_back(FormatDcs(code, suffix));
        return items;
    }();
    return list;
}

std::string DecodeToneCode(uint8_t low, uint8_t high) {
    if (high == 0xFF)
        return kNoTone;
    if (high >= 0x80) {
        const bool inverted = high >= 0xC0;
        const int d = high - (inverted ? 0xC0 : 0x80);
        const int n = FromBcd(low);
        const std::string number =
            d == 0 ? "D0" + std::to_string(n) : "D" + std::to_string(d * 100 + n);
        return number + (inverted ? "I" : "N");
    }
    return FormatTenths(FromBcd(high) * 100 + FromBcd(low));
}

static size_t FirstCharLength(std::string_view text) {
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return len > text.size() ? text.size() : len;
}

std::pair<uint8_t, uint8_t> EncodeToneCode(std::string_view text) {
    constexpr std::pair<uint8_t, uint8_t> none{0xFF, 0xFF};
    if (text.find('D') == text.npos) {
        // An emptied tone field means no tone, not the code of 0.0 Hz.
        if (text == kNoTone || text.empty())
            return none;
        const auto v = TenthsOf(text);
        if (!v || *v < 0 || *v > 9999)
            return none;
        return {ToBcd(static_cast<int>(*v % 100)), ToBcd(static_cast<int>(*v / 100 % 100))};
    }
    const std::string_view rest = text.substr(FirstCharLength(text));
    const auto scanned = ScanInt(rest);
    const int n = scanned ? scanned->value : 0;
    if ((scanned && !scanned->fits) || n < 0 || n > 777)
        return none;
    const int base = rest.find('N') != rest.npos ? 0x80 : 0xC0;
    return {ToBcd(n % 100), static_cast<uint8_t>(base + n / 100)};
}

std::string NormaliseToneText(std::string_view text) {
    if (text.empty())
        return {};
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (upper.find('.') != upper.npos)
        return ToneTextFromTenths(TenthsOf(upper), true, upper);
    // "%dN", "%dD" and "%dI" all convert as soon as the text starts with a number.
    for (std::string_view prefix : {"D", "DN", "DI", "ND", "ID", "N", "I", ""}) {
        if (!upper.starts_with(prefix))
            continue;
        const auto scanned = ScanInt(std::string_view(upper).substr(prefix.size()));
        if (!scanned)
            continue;
        const int n = scanned->value;
        if (!scanned->fits || n > 777 || n <= 0)
            return kNoTone;
        return FormatDcs(n, upper.find('I') != upper.npos ? 'I' : 'N');
    }
    return ToneTextFromTenths(TenthsOf(upper), false, upper);
}

std::string FormatChannelLabel(int record) {
    char buf[16];
    if (record >= 1 && record <= 128)
        std::snprintf(buf, sizeof buf, "A%03d", record);
    else if (record >= 129 && record <= 256)
        std::snprintf(buf, sizeof buf, "B%03d", record - 128);
    else if (record == 257)
        return "A VFO";
    else if (record == 258)
        return "B VFO";
    else
        return {};
    return buf;
}

static bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

int ParseChannelLabel(std::string_view text) {
    struct Form {
        std::string_view prefix;
        int add;
    };
    for (Form form : {Form{"A", 0}, Form{"B", 128}, Form{"", 0}}) {
        if (!text.starts_with(form.prefix))
            continue;
        const auto scanned = ScanInt(text.substr(form.prefix.size()));
        if (!scanned)
            continue;
        const int64_t record = int64_t{scanned->value} + form.add;
        return scanned->fits && record <= INT32_MAX ? static_cast<int>(record) : 0;
    }
    if (EqualsIgnoringCase(text, "A Vfo"))
        return 257;
    if (EqualsIgnoringCase(text, "B Vfo"))
        return 258;
    return 0;
}

uint8_t DtmfCharToValue(char c) {
    if (c == '#')
        return 15;
    if (c == '*')
        return 14;
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<uint8_t>(c - 'a' + 10);
    return 0xFF;
}

char DtmfCodeToChar(uint8_t code) {
    static constexpr char kChars[] = "0123456789ABCD*#";
    return code < 16 ? kChars[code] : '\0';
}
