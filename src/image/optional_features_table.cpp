#include "image/optional_features_table.h"

#include "image/ui_text.h"

namespace {

using E = FieldEncoding;
using Items = std::vector<std::string_view>;

Items OffOn() {
    return {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "开")};
}

// A whole-byte list whose items are the numbers stored value + bias.
FieldSpec NumberList(std::string_view name, int id, std::string_view label, int offset,
                     Items options, int bias, std::string_view fallback) {
    FieldSpec f = OptionField(name, id, label, offset, 0, 8, std::move(options), fallback);
    f.encoding = E::OptionNumber;
    f.bias = bias;
    return f;
}

FieldSpec Hidden(FieldSpec f) {
    f.hidden = true;
    return f;
}

Items OneToNine() {
    return {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
}

std::vector<FieldSpec> BuildTable() {
    return {
        OptionField(
            "txTimeLimit", 1171, UI_TEXT("Radio", "发射限时 (min)"), 0x2040, 0, 8,
            {UI_TEXT("Radio", "关"), "30", "60", "90", "120", "150", "180", "210", "240", "270"},
            "30"),
        NumberList("squelch", 1178, UI_TEXT("Radio", "静噪电平"), 0x2042,
                   {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0, "4"),
        OptionField("voxLevel", 1173, UI_TEXT("Radio", "声控电平"), 0x2043, 0, 8, OneToNine(), "4"),
        OptionField("step", 1177, UI_TEXT("Radio", "步进 (kHz)"), 0x2044, 0, 8,
                    {"2.5", "5", "6.25", "10", "12.5", "25", "50", "100"}, "12.5"),
        NumberList("backlightTime", 1166, UI_TEXT("Radio", "背光灯时间"), 0x2046,
                   {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 1, "5"),
        OptionField("voxDelay", 1174, UI_TEXT("Radio", "声控延迟时间 (s)"), 0x2048, 0, 8,
                    {"1", "2", "3", "4"}, "3"),
        OptionField("endTone", 1168, UI_TEXT("Radio", "结束提示音"), 0x2049, 0, 1, OffOn()),
        OptionField("dualTxChannel", 1195, UI_TEXT("Radio", "双待发射信道"), 0x2049, 1, 1,
                    {UI_TEXT("Radio", "当前编辑"), UI_TEXT("Radio", "当前活动")}),
        OptionField("keyBeep", 1157, UI_TEXT("Radio", "提示音"), 0x2049, 2, 1, OffOn()),
        OptionField("scanMode", 1170, UI_TEXT("Radio", "扫描模式"), 0x2049, 5, 2,
                    {UI_TEXT("Radio", "时间"), UI_TEXT("Radio", "载波"), UI_TEXT("Radio", "搜索")},
                    UI_TEXT("Radio", "时间")),
        OptionField("identSwitch", 1175, UI_TEXT("Radio", "身份识别开关"), 0x2049, 7, 1, OffOn()),
        OptionField("channelMode", 1185, UI_TEXT("Radio", "信道模式"), 0x204A, 1, 1, OffOn()),
        OptionField("autoKeyLock", 1187, UI_TEXT("Radio", "自动锁键盘"), 0x204A, 2, 1, OffOn()),
        OptionField("tailElimination", 1169, UI_TEXT("Radio", "尾音消除"), 0x204A, 3, 1, OffOn()),
        OptionField("backlightMode", 1158, UI_TEXT("Radio", "背光灯模式"), 0x204A, 4, 2,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "按键"), UI_TEXT("Radio", "继续")},
                    UI_TEXT("Radio", "按键")),
        OptionField("backlightColour", 1167, UI_TEXT("Radio", "背光灯颜色"), 0x204A, 6, 2,
                    {"1", "2", "3"}, "1"),
        OptionField("vfoMr", 1180, "VFO/MR", 0x204B, 0, 1, {"MR", "VFO"}),
        OptionField("dualWatch", 1181, UI_TEXT("Radio", "双频守候"), 0x204B, 1, 1, OffOn()),
        OptionField("mainChannel", 1179, UI_TEXT("Radio", "主信道A/B"), 0x204B, 2, 1, {"A", "B"}),
        OptionField("displayA", 1156, UI_TEXT("Radio", "A信道显示"), 0x204B, 3, 2,
                    {UI_TEXT("Radio", "信道"), UI_TEXT("Radio", "频率"), UI_TEXT("Radio", "名字")},
                    UI_TEXT("Radio", "频率")),
        OptionField("displayB", 1164, UI_TEXT("Radio", "B信道显示"), 0x204B, 5, 2,
                    {UI_TEXT("Radio", "信道"), UI_TEXT("Radio", "频率"), UI_TEXT("Radio", "名字")},
                    UI_TEXT("Radio", "频率")),
        OptionField("voicePrompt", 1189, UI_TEXT("Radio", "语音播报"), 0x204C, 0, 1, OffOn()),
        OptionField("keypadLock", 1161, UI_TEXT("Radio", "键盘锁"), 0x204C, 4, 1,
                    {UI_TEXT("Radio", "开"), UI_TEXT("Radio", "关")}),
        OptionField("radioMonitor", 1188, UI_TEXT("Radio", "收音机监听"), 0x204C, 7, 1, OffOn()),
        OptionField("keyLockMode", 1165, UI_TEXT("Radio", "锁键模式"), 0x204D, 0, 2,
                    {"PTT", "Key", "K+S", "All"}),
        OptionField("powerOnDisplay", 1190, UI_TEXT("Radio", "开机信息显示方式"), 0x204D, 2, 2,
                    {UI_TEXT("Radio", "关"), UI_TEXT("Radio", "电压"), UI_TEXT("Radio", "信息")},
                    UI_TEXT("Radio", "电压")),
        OptionField("batterySave", 1160, UI_TEXT("Radio", "电池省电"), 0x204D, 4, 2, OffOn(),
                    UI_TEXT("Radio", "开")),
        Hidden(OptionField("tailMode", 1172, UI_TEXT("Radio", "尾音模式"), 0x204E, 4, 2,
                           {UI_TEXT("Radio", "频率"), "120", "180", "240"})),
        OptionField("workAreaB", 1182, UI_TEXT("Radio", "B段工作区"), 0x204E, 6, 1, {"A", "B"}),
        OptionField("workAreaA", 1176, UI_TEXT("Radio", "A段工作区"), 0x204E, 7, 1, {"A", "B"}),
        {.name = "greeting",
         .offset = 0x2060,
         .size = 7,
         .encoding = E::Greeting,
         .maxLength = 7,
         .keys = KeyFilter::Printable,
         .id = 1191,
         .label = UI_TEXT("Radio", "开机问候语编制")},
        Hidden(
            OptionField("dualResetTime", 1194, UI_TEXT("Radio", "双待复位时间"), 0x2070, 0, 8,
                        {UI_TEXT("Radio", "关"), "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
                        UI_TEXT("Radio", "关"))),
        {.name = "dualWatchTime",
         .offset = 0x2071,
         .encoding = E::Number,
         .number = {.textScale = 100, .decimals = 2, .min = 1, .max = 255, .fallback = 150},
         .maxLength = 4,
         .id = 1192,
         .label = UI_TEXT("Radio", "双频守候时间"),
         .hidden = true},
    };
}

} // namespace

const std::vector<FieldSpec>& OptionalFeatureFields() {
    static const std::vector<FieldSpec> fields = BuildTable();
    return fields;
}
