#include "image/dtmf_table.h"

#include "image/ui_text.h"

namespace {

using E = FieldEncoding;
using Items = std::vector<std::string_view>;

Items DtmfLetters() {
    return {"A", "B", "C", "D", "*", "#"};
}
std::vector<int> DtmfLetterCodes() {
    return {10, 11, 12, 13, 14, 15};
}
// Items "0", "100", "500", "1000" ms, stored in units of 50 ms.
Items ToneTimes() {
    return {"0", "100", "500", "1000"};
}

FieldSpec ValueList(FieldSpec f, std::vector<int> values) {
    f.encoding = E::OptionValue;
    f.values = std::move(values);
    return f;
}

FieldSpec ToneTime(std::string_view name, int id, std::string_view label, int offset) {
    FieldSpec f = OptionField(name, id, label, offset, 0, 8, ToneTimes(), "100");
    f.encoding = E::OptionNumber;
    f.scale = 50;
    return f;
}

FieldSpec Text(std::string_view name, int id, std::string_view label, int offset, int size,
               E encoding, int maxLength, KeyFilter keys) {
    return {.name = name,
            .offset = offset,
            .size = size,
            .encoding = encoding,
            .maxLength = maxLength,
            .keys = keys,
            .id = id,
            .label = label};
}

FieldSpec Number(std::string_view name, int id, std::string_view label, int offset, NumberRule rule,
                 int maxLength, KeyFilter keys) {
    return {.name = name,
            .offset = offset,
            .encoding = E::Number,
            .number = rule,
            .maxLength = maxLength,
            .keys = keys,
            .id = id,
            .label = label};
}

constexpr NumberRule kSeconds3To60 = {.min = 3, .max = 60};

std::vector<FieldSpec> BuildEncode() {
    return {
        ValueList(OptionField("rate", 1093, UI_TEXT("Radio", "速率 (digit/s)"), 0x2080, 0, 8,
                              {"6", "8", "10", "15"}, "10"),
                  {83, 63, 50, 34}),
        Number("firstDigitDelay", 1094, UI_TEXT("Radio", "首位数码延迟时间 (ms)"), 0x2081,
               {.storeScale = 50,
                .min = 100,
                .max = 1000,
                .fallback = 200,
                .roundTo = 100,
                .step = 100},
               4, KeyFilter::Digits),
        ToneTime("firstDigitTime", 1096, UI_TEXT("Radio", "首位数码时间 (ms)"), 0x2082),
        ToneTime("starHashTime", 1097, UI_TEXT("Radio", "*和#音 (ms)"), 0x2083),
        OptionField(
            "sideTone", 1184, UI_TEXT("Radio", "侧音"), 0x2049, 3, 2,
            {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "按键"), "ID", UI_TEXT("Radio", "按键+ID")}),
        Text("pttIdStart", 1117, UI_TEXT("Radio", "PTT ID 发射开始"), 0x2088, 16, E::DtmfString, 16,
             KeyFilter::Dtmf),
        Text("pttIdEnd", 1118, UI_TEXT("Radio", "PTT ID 发射结束"), 0x2098, 16, E::DtmfString, 16,
             KeyFilter::Dtmf),
        OptionField("waitReply", 1120, UI_TEXT("Radio", "等待回复"), 0x20D9, 2, 1,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "开")}),
        Number("waitTime", 1121, UI_TEXT("Radio", "等待回复时间 (s)"), 0x20DB, kSeconds3To60, 2,
               KeyFilter::Any),
    };
}

std::vector<FieldSpec> BuildDecode() {
    NumberRule resetTime = kSeconds3To60;
    resetTime.loadFallback = 10;
    return {
        ValueList(OptionField("groupCall", 1104, UI_TEXT("Radio", "组呼码"), 0x20A8, 0, 8,
                              DtmfLetters(), "A"),
                  DtmfLetterCodes()),
        Text("killCode", 1108, UI_TEXT("Radio", "遥毙码"), 0x20C0, 16, E::KillCode, 15,
             KeyFilter::Dtmf),
        Text("alarmCode", 1114, UI_TEXT("Radio", "报警码"), 0x20D0, 8, E::DtmfString, 8,
             KeyFilter::AnyUpper),
        Number("resetTime", 1110, UI_TEXT("Radio", "自动复位时间 (s)"), 0x20D8, resetTime, 2,
               KeyFilter::Digits),
        OptionField("decodeResponse", 1109, UI_TEXT("Radio", "解码响应"), 0x20D9, 0, 2,
                    {UI_TEXT("Radio", "无"), UI_TEXT("Radio", "提醒"), UI_TEXT("Radio", "回复"),
                     UI_TEXT("Radio", "提醒+回复")}),
        // The list shows "开" first, and "开" sets the bit.
        ValueList(OptionField("killEnabled", 1106, UI_TEXT("Radio", "遥毙激活"), 0x20D9, 7, 1,
                              {UI_TEXT("Radio", "开"), UI_TEXT("Radio", "关")}),
                  {1, 0}),
        Number(
            "decodeTime", 1112, UI_TEXT("Radio", "解码时间 (s)"), 0x20DA,
            {.textScale = 100, .decimals = 1, .min = 10, .max = 250, .fallback = 250, .step = 10},
            3, KeyFilter::Digits),
        OptionField("killType", 1107, UI_TEXT("Radio", "遥毙类型"), 0x20DC, 0, 8,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "禁止发射"),
                     UI_TEXT("Radio", "禁止收发"), UI_TEXT("Radio", "遥毙")},
                    UI_TEXT("Radio", "关")),
    };
}

std::vector<FieldSpec> BuildAutoDial() {
    return {
        Text("selfId", 1212, UI_TEXT("Radio", "自身 ID"), 0x20B0, 7, E::DtmfString, 7,
             KeyFilter::Digits),
        ValueList(OptionField("separator", 1211, UI_TEXT("Radio", "分隔符"), 0x20DD, 0, 8,
                              DtmfLetters(), "A"),
                  DtmfLetterCodes()),
    };
}

std::vector<FieldSpec> BuildAutoDialCodes() {
    static constexpr std::string_view kNames[kAutoDialCodes] = {
        "autoDial0", "autoDial1", "autoDial2", "autoDial3", "autoDial4",
        "autoDial5", "autoDial6", "autoDial7", "autoDial8", "autoDial9"};
    std::vector<FieldSpec> fields;
    for (int n = 0; n < kAutoDialCodes; ++n)
        fields.push_back(Text(kNames[n], 0, {}, 0x20E0 + kAutoDialCodeLength * n,
                              kAutoDialCodeLength, E::DtmfString, kAutoDialCodeLength,
                              KeyFilter::Dtmf));
    return fields;
}

} // namespace

const std::vector<FieldSpec>& DtmfEncodeFields() {
    static const std::vector<FieldSpec> fields = BuildEncode();
    return fields;
}

const std::vector<FieldSpec>& DtmfDecodeFields() {
    static const std::vector<FieldSpec> fields = BuildDecode();
    return fields;
}

const std::vector<FieldSpec>& AutoDialFields() {
    static const std::vector<FieldSpec> fields = BuildAutoDial();
    return fields;
}

const std::vector<FieldSpec>& AutoDialCodeFields() {
    static const std::vector<FieldSpec> fields = BuildAutoDialCodes();
    return fields;
}
