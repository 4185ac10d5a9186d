#include "image/region_layout.h"

#include "image/field_codec.h"
#include "image/memory_image.h"
#include "image/number_field.h"
#include "image/ui_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

const std::vector<FieldSpec>& ChannelRecordFields() {
    using E = FieldEncoding;
    static const std::vector<FieldSpec> fields = {
        {.name = "rxFreq", .offset = 0, .size = 4, .encoding = E::Frequency},
        {.name = "txFreq", .offset = 4, .size = 4, .encoding = E::Frequency},
        {.name = "rxTone", .offset = 8, .size = 2, .encoding = E::ToneCode},
        {.name = "txTone", .offset = 10, .size = 2, .encoding = E::ToneCode},
        OptionField("signalType", 1151, UI_TEXT("Radio", "信令类型"), 12, 0, 2,
                    {UI_TEXT("Radio", "关"), "DTMF"}, UI_TEXT("Radio", "关")),
        OptionField("repeaterMode", 1155, UI_TEXT("Radio", "中继模式"), 12, 2, 2,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "倒频"), UI_TEXT("Radio", "脱网")},
                    UI_TEXT("Radio", "关")),
        OptionField("voiceMode", 1154, UI_TEXT("Radio", "语音处理"), 12, 4, 4,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "压扩"), UI_TEXT("Radio", "扰频1"),
                     UI_TEXT("Radio", "扰频2"), UI_TEXT("Radio", "扰频3"),
                     UI_TEXT("Radio", "扰频4"), UI_TEXT("Radio", "扰频5"),
                     UI_TEXT("Radio", "扰频6"), UI_TEXT("Radio", "扰频7"),
                     UI_TEXT("Radio", "扰频8")},
                    UI_TEXT("Radio", "关")),
        OptionField("pttId", 1153, "PTT ID", 13, 0, 2,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "发射前"), UI_TEXT("Radio", "发射后"),
                     UI_TEXT("Radio", "两者")},
                    UI_TEXT("Radio", "关")),
        OptionField("vox", 1152, UI_TEXT("Radio", "声控"), 13, 2, 1,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "开")}, UI_TEXT("Radio", "关")),
        OptionField("scanAdd", 1149, UI_TEXT("Radio", "扫描"), 13, 3, 1,
                    {UI_TEXT("Radio", "否"), UI_TEXT("Radio", "是")}, UI_TEXT("Radio", "是")),
        OptionField("power", 1146, UI_TEXT("Radio", "功率"), 13, 4, 1,
                    {UI_TEXT("Radio", "低"), UI_TEXT("Radio", "高")}, UI_TEXT("Radio", "高")),
        OptionField("bandwidth", 1148, UI_TEXT("Radio", "带宽"), 13, 5, 1,
                    {UI_TEXT("Radio", "窄"), UI_TEXT("Radio", "宽")}, UI_TEXT("Radio", "宽")),
        OptionField("busyLock", 1150, UI_TEXT("Radio", "繁忙锁定"), 13, 6, 2,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "载波"), "QT/DQT"},
                    UI_TEXT("Radio", "关")),
        {.name = "reserved14", .offset = 14},
        {.name = "shiftDir", .offset = 15},
        {.name = "shiftOffset", .offset = 16, .size = 4, .encoding = E::Frequency},
        {.name = "reserved20", .offset = 20},
        {.name = "reserved21", .offset = 21},
        {.name = "reserved22", .offset = 22, .size = 2},
        {.name = "name",
         .offset = 24,
         .size = 7,
         .encoding = E::Text,
         .maxLength = 7,
         .keys = KeyFilter::Printable,
         .id = 1147,
         .label = UI_TEXT("Radio", "信道名字")},
        {.name = "reserved31", .offset = 31},
    };
    return fields;
}

const FieldSpec& ChannelField(ChannelFieldId id) {
    return ChannelRecordFields()[static_cast<size_t>(id)];
}

bool IsListEncoding(FieldEncoding encoding) {
    return encoding == FieldEncoding::Option || encoding == FieldEncoding::OptionNumber ||
           encoding == FieldEncoding::OptionValue;
}

uint8_t FieldMask(const FieldSpec& f, int k) {
    return k >= 0 && k < f.size ? BitMask(f.shift, f.width) : 0;
}

namespace {

std::string Hex(int offset) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(offset));
    return buf;
}

// The raw values an item of the list stores, one per item.
std::vector<int> StoredValues(const FieldSpec& f) {
    std::vector<int> stored;
    for (size_t i = 0; i < f.options.size(); ++i) {
        if (f.encoding == FieldEncoding::OptionValue)
            stored.push_back(i < f.values.size() ? f.values[i] : -1);
        else if (f.encoding == FieldEncoding::OptionNumber)
            stored.push_back(f.scale > 0 && (ItemNumber(f.options[i]) - f.bias) % f.scale == 0
                                 ? (ItemNumber(f.options[i]) - f.bias) / f.scale
                                 : -1);
        else
            stored.push_back(static_cast<int>(i));
    }
    return stored;
}

void CheckList(const FieldSpec& f, std::vector<std::string>& problems) {
    const std::string name(f.name);
    if (f.size != 1 || f.options.empty())
        problems.push_back(name + ": a list is one byte with items");
    if (f.encoding == FieldEncoding::OptionValue && f.values.size() != f.options.size())
        problems.push_back(name + ": one stored value per item");
    const int limit = 1 << f.width;
    std::vector<bool> covered(static_cast<size_t>(limit), false);
    for (int v : StoredValues(f)) {
        if (v < 0 || v >= limit)
            problems.push_back(name + ": an item does not fit the field");
        else if (covered[static_cast<size_t>(v)])
            problems.push_back(name + ": two items store the same value");
        else
            covered[static_cast<size_t>(v)] = true;
    }
    const bool allCovered = std::find(covered.begin(), covered.end(), false) == covered.end();
    if (f.fallback.empty() && !allCovered)
        problems.push_back(name + ": a stored value can have no item, but there is no fallback");
    if (!f.fallback.empty() && FallbackIndex(f) < 0)
        problems.push_back(name + ": the fallback names no item");
}

void CheckNumber(const FieldSpec& f, std::vector<std::string>& problems) {
    const std::string name(f.name);
    const NumberRule& r = f.number;
    if (f.size != 1 || f.width != 8)
        problems.push_back(name + ": a number is a whole byte");
    if (r.storeScale < 1 || r.textScale < 1 || r.roundTo < 1 || r.step < 1 || r.decimals < 0)
        problems.push_back(name + ": scales and steps are positive");
    if (r.min < 0 || r.min > r.max || r.max / std::max(r.storeScale, 1) > 255)
        problems.push_back(name + ": the range does not fit a byte");
    for (int v : {r.fallback, r.loadFallback})
        if (v != -1 && (v < r.min || v > r.max))
            problems.push_back(name + ": a fallback lies outside the range");
    const size_t longest = std::max(FormatNumber(r, r.min).size(), FormatNumber(r, r.max).size());
    if (f.maxLength > 0 && longest > static_cast<size_t>(f.maxLength))
        problems.push_back(name + ": the edit is too short for the range");
}

void CheckText(const FieldSpec& f, std::vector<std::string>& problems) {
    const int room = f.encoding == FieldEncoding::KillCode ? f.size - 1 : f.size;
    if (f.width != 8 || f.shift != 0 || f.maxLength < 1 || f.maxLength > room)
        problems.push_back(std::string(f.name) + ": the text does not fit its bytes");
}

} // namespace

std::vector<std::string> FieldTableProblems(const std::vector<FieldSpec>& fields, int begin,
                                            int end) {
    std::vector<std::string> problems;
    for (const FieldSpec& f : fields) {
        const std::string name(f.name);
        if (f.size < 1 || f.offset < begin || f.offset > end - f.size)
            problems.push_back(name + ": outside " + Hex(begin) + ".." + Hex(end - 1));
        if (FieldMask(f, 0) == 0 || (f.size > 1 && f.width != 8))
            problems.push_back(name + ": bad bit field");
        if (IsListEncoding(f.encoding))
            CheckList(f, problems);
        else if (!f.options.empty())
            problems.push_back(name + ": items on a field that is not a list");
        if (f.encoding == FieldEncoding::Number)
            CheckNumber(f, problems);
        if (f.encoding == FieldEncoding::Greeting || f.encoding == FieldEncoding::DtmfString ||
            f.encoding == FieldEncoding::KillCode || f.encoding == FieldEncoding::Text)
            CheckText(f, problems);
    }
    return problems;
}

std::vector<std::string> FieldOverlaps(const std::vector<const std::vector<FieldSpec>*>& tables) {
    std::vector<std::string> overlaps;
    std::map<int, std::array<std::string_view, 8>> bits;
    for (const auto* table : tables)
        for (const FieldSpec& f : *table)
            for (int k = 0; k < f.size; ++k) {
                auto& byteOwners = bits[f.offset + k];
                std::string_view clash;
                for (int b = 0; b < 8; ++b) {
                    if (!(FieldMask(f, k) & (1u << b)))
                        continue;
                    if (!byteOwners[b].empty())
                        clash = byteOwners[b];
                    byteOwners[b] = f.name;
                }
                if (!clash.empty())
                    overlaps.push_back(std::string(clash) + "/" + std::string(f.name) + " at " +
                                       Hex(f.offset + k));
            }
    return overlaps;
}

FieldSpec OptionField(std::string_view name, int id, std::string_view label, int offset, int shift,
                      int width, std::vector<std::string_view> options, std::string_view fallback) {
    return {.name = name,
            .offset = offset,
            .shift = shift,
            .width = width,
            .encoding = FieldEncoding::Option,
            .options = std::move(options),
            .fallback = fallback,
            .id = id,
            .label = label};
}
