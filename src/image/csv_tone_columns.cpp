#include "image/csv_tone_columns.h"

#include "image/codecs.h"
#include "image/decimal_scale.h"

#include <algorithm>
#include <cstdio>

namespace {

enum class Kind { None, Ctcss, Dcs };

Kind KindOf(std::string_view tone) {
    if (tone.empty() || tone == kNoTone)
        return Kind::None;
    return tone.front() == 'D' ? Kind::Dcs : Kind::Ctcss;
}

// "D023N" -> "023", 'N'; "D754I" -> "754", 'R'.
std::string DcsDigits(std::string_view tone) {
    return std::string(tone.substr(1, 3));
}

char DcsPolarity(std::string_view tone) {
    return tone.ends_with('I') ? 'R' : 'N';
}

bool InToneList(const std::string& text) {
    const auto& list = ToneList();
    return text != kNoTone && std::find(list.begin(), list.end(), text) != list.end();
}

// A CTCSS column as the tone list writes it ("88.50" -> "88.5"), empty when it is not on it.
std::string CtcssText(std::string_view column) {
    const auto [low, high] = EncodeToneCode(column);
    const std::string text = DecodeToneCode(low, high);
    return KindOf(text) == Kind::Ctcss && InToneList(text) ? text : std::string();
}

// A DCS code column and its polarity letter as a tone list item, empty when it is not on it.
std::string DcsText(std::string_view code, char polarity) {
    const auto scanned = ScanInt(code);
    if (!scanned || !scanned->fits || scanned->end != code.size() || scanned->value < 0 ||
        scanned->value > 777 || (polarity != 'N' && polarity != 'R'))
        return {};
    char buf[16];
    std::snprintf(buf, sizeof buf, "D%03d%c", scanned->value, polarity == 'R' ? 'I' : 'N');
    return InToneList(buf) ? std::string(buf) : std::string();
}

struct Side {
    Kind kind;
    std::string_view tone;
};

// The half of a CrossMode that describes one direction ("Tone", "DTCS" or nothing).
std::string_view CrossName(Kind kind) {
    return kind == Kind::Ctcss ? "Tone" : kind == Kind::Dcs ? "DTCS" : "";
}

} // namespace

ToneColumns ToneColumnsFor(std::string_view txTone, std::string_view rxTone) {
    ToneColumns c;
    const Side tx{KindOf(txTone), txTone};
    const Side rx{KindOf(rxTone), rxTone};
    if (tx.kind == Kind::Ctcss)
        c.rToneFreq = txTone;
    if (rx.kind == Kind::Ctcss)
        c.cToneFreq = rxTone;
    if (tx.kind == Kind::Dcs)
        c.dtcsCode = DcsDigits(txTone);
    if (rx.kind == Kind::Dcs)
        c.rxDtcsCode = DcsDigits(rxTone);
    c.dtcsPolarity = {tx.kind == Kind::Dcs ? DcsPolarity(txTone) : 'N',
                      rx.kind == Kind::Dcs ? DcsPolarity(rxTone) : 'N'};
    if (tx.kind == Kind::None && rx.kind == Kind::None) {
        c.tone = "";
    } else if (tx.kind == Kind::Ctcss && rx.kind == Kind::None) {
        c.tone = "Tone";
    } else if (tx.kind == Kind::Ctcss && txTone == rxTone) {
        c.tone = "TSQL";
        c.cToneFreq = txTone;
    } else if (tx.kind == Kind::Dcs && rx.kind == Kind::Dcs && c.dtcsCode == c.rxDtcsCode) {
        c.tone = "DTCS";
    } else {
        c.tone = "Cross";
        c.crossMode = std::string(CrossName(tx.kind)) + "->" + std::string(CrossName(rx.kind));
    }
    return c;
}

namespace {

bool IsCrossName(std::string_view name) {
    return name.empty() || name == "Tone" || name == "DTCS";
}

// One direction of a Cross row: "Tone" reads `ctcss`, "DTCS" reads `dcs`, "" is no tone.
std::string CrossSide(std::string_view name, std::string_view ctcss, std::string_view dcs,
                      char polarity, bool& bad) {
    if (name.empty())
        return kNoTone;
    const std::string text = name == "Tone"   ? CtcssText(ctcss)
                             : name == "DTCS" ? DcsText(dcs, polarity)
                                              : std::string();
    bad = bad || text.empty();
    return text;
}

} // namespace

TonePair TonesFromColumns(const ToneColumns& c, std::string& problem, std::string& adapted) {
    const std::string& pol = c.dtcsPolarity;
    const char txPol = pol.size() == 2 ? pol[0] : '?';
    const char rxPol = pol.size() == 2 ? pol[1] : '?';
    TonePair pair{kNoTone, kNoTone};
    bool bad = false;
    if (c.tone.empty()) {
        return pair;
    } else if (c.tone == "Tone") {
        pair.tx = CrossSide("Tone", c.rToneFreq, {}, 'N', bad);
    } else if (c.tone == "TSQL") {
        pair.tx = pair.rx = CrossSide("Tone", c.cToneFreq, {}, 'N', bad);
    } else if (c.tone == "DTCS") {
        pair.tx = CrossSide("DTCS", {}, c.dtcsCode, txPol, bad);
        pair.rx = CrossSide("DTCS", {}, c.dtcsCode, rxPol, bad);
    } else if (c.tone == "TSQL-R" || c.tone == "DTCS-R") {
        adapted = "不支持反向静噪 " + c.tone + "，改为无亚音";
        return pair;
    } else if (c.tone == "Cross") {
        const std::string_view mode = c.crossMode;
        const size_t arrow = mode.find("->");
        const std::string_view txName = mode.substr(0, arrow);
        const std::string_view rxName = arrow == mode.npos ? "" : mode.substr(arrow + 2);
        if (arrow == mode.npos || !IsCrossName(txName) || !IsCrossName(rxName) ||
            (txName.empty() && rxName.empty())) {
            problem = "不支持 CrossMode \"" + c.crossMode + "\"";
            return pair;
        }
        pair.tx = CrossSide(txName, c.rToneFreq, c.dtcsCode, txPol, bad);
        pair.rx = CrossSide(rxName, c.cToneFreq, c.rxDtcsCode, rxPol, bad);
    } else {
        problem = "不支持 Tone \"" + c.tone + "\"";
        return pair;
    }
    if (bad)
        problem = "亚音不在对讲机的亚音列表中";
    return pair;
}
