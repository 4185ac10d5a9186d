#include "image/region_layout.h"

const std::vector<FieldSpec>& ChannelRecordFields() {
    using E = FieldEncoding;
    static const std::vector<FieldSpec> fields = {
        {"rxFreq", 0, 4, 0, 8, E::Frequency, {}},
        {"txFreq", 4, 4, 0, 8, E::Frequency, {}},
        {"rxTone", 8, 2, 0, 8, E::ToneCode, {}},
        {"txTone", 10, 2, 0, 8, E::ToneCode, {}},
        {"signalType", 12, 1, 0, 2, E::Option, {"关", "DTMF"}},
        {"repeaterMode", 12, 1, 2, 2, E::Option, {"关", "倒频", "脱网"}},
        {"voiceMode",
         12,
         1,
         4,
         4,
         E::Option,
         {"关", "压扩", "扰频1", "扰频2", "扰频3", "扰频4", "扰频5", "扰频6", "扰频7", "扰频8"}},
        {"pttId", 13, 1, 0, 2, E::Option, {"关", "发射前", "发射后", "两者"}},
        {"vox", 13, 1, 2, 1, E::Option, {"关", "开"}},
        {"scanAdd", 13, 1, 3, 1, E::Option, {"否", "是"}},
        {"power", 13, 1, 4, 1, E::Option, {"低", "高"}},
        {"bandwidth", 13, 1, 5, 1, E::Option, {"窄", "宽"}},
        {"busyLock", 13, 1, 6, 2, E::Option, {"关", "载波", "QT/DQT"}},
        {"reserved14", 14, 1, 0, 8, E::Byte, {}},
        {"shiftDir", 15, 1, 0, 8, E::Byte, {}},
        {"shiftOffset", 16, 4, 0, 8, E::Frequency, {}},
        {"reserved20", 20, 1, 0, 8, E::Byte, {}},
        {"reserved21", 21, 1, 0, 8, E::Byte, {}},
        {"reserved22", 22, 2, 0, 8, E::Byte, {}},
        {"name", 24, 7, 0, 8, E::Text, {}},
        {"reserved31", 31, 1, 0, 8, E::Byte, {}},
    };
    return fields;
}

const FieldSpec& ChannelField(ChannelFieldId id) {
    return ChannelRecordFields()[static_cast<size_t>(id)];
}

std::span<const RegionSpec> ImageRegions() {
    static constexpr RegionSpec regions[] = {
        {"band A channels", 0x0000, 0x1000},
        {"band B channels", 0x1000, 0x2000},
        {"VFO records", 0x2000, 0x2040},
        {"optional features and selected channels", 0x2040, 0x2072},
        {"DTMF settings and auto-dial list", 0x2080, 0x2180},
        {"model name", 0x2E00, 0x2E08},
        {"band limits", 0x2E10, 0x2E20},
        {"first valid channels", 0x2E20, 0x2E22},
        {"finalisation filler", 0x2E28, 0x2E38},
        {"channel bitmaps", 0x2E40, 0x2E80},
        {"receiver-chip block", 0x2F00, 0x2F70},
        {"fixed block", 0x2F70, 0x2F78},
        {"FM broadcast receiver", 0x2F80, 0x2FD8},
        {"DTMF decoder thresholds", 0x3E00, 0x3E30},
        {"calibration parameters", 0x3ED0, 0x3F70},
        {"calibration band points", 0x3F70, 0x3FAC},
    };
    return regions;
}
