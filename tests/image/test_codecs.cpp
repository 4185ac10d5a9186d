#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/codecs.h"
#include "image/decimal_scale.h"
#include "image/input_rule.h"

#include <cmath>
#include <optional>

class TestCodecs : public QObject {
    Q_OBJECT
  private slots:
    void frequencies() {
        // A negative frequency is stored erased, and an erased field decodes digit by digit.
        const std::pair<int32_t, const char*> fields[] = {
            {14501250, "50125014"}, {0, "00000000"}, {-1, "ffffffff"}};
        for (const auto& [value, bytes] : fields) {
            std::array<uint8_t, 4> field{};
            EncodeFrequencyField(value, field);
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(field.data()), 4).toHex(), bytes);
            QCOMPARE(DecodeFrequencyField(field), value < 0 ? 166666665 : value);
        }
        // Operands rounded to 15 digits make 145.0125 x 100000 exact; out of range is infinite.
        const std::tuple<double, double, double> products[] = {
            {145.0125, 100000.0, 14501250.0}, {1.0 / 3, 3.0, 0.999999999999999},
            {-2.5, 0.125, -0.3125},           {1e-300, 1e-300, 0.0},
            {1e305, 100000.0, HUGE_VAL},      {-1.7e308, 10.0, -HUGE_VAL}};
        for (const auto& [x, factor, product] : products)
            QCOMPARE(DecimalScale(x, factor), product);
        const std::pair<double, std::optional<int64_t>> truncations[] = {
            {-2.5, -2},
            {9.2e18, 9200000000000000000},
            {9223372036854775808.0, std::nullopt},
            {-9223372036854775808.0, INT64_MIN},
            {-1e19, std::nullopt},
            {NAN, std::nullopt}};
        for (const auto& [value, truncated] : truncations)
            QCOMPARE(TruncateToInt64(value), truncated);
        // Frequency text read: truncated, not rounded; only digits and a point start a number;
        // beyond the double range the position of the first digit decides, not the exponent alone.
        const std::pair<const char*, int32_t> parsed[] = {{"145.0125", 14501250},
                                                          {"145.012599", 14501259},
                                                          {"inf", 0},
                                                          {".5", 50000},
                                                          {" \t\n\v\f\r150MHz", 15000000},
                                                          {"999.99999", kMaxFieldValue},
                                                          {"1000", kUnfitFrequency},
                                                          {"-999.99999", -kMaxFieldValue},
                                                          {"-1000", kUnfitFrequency},
                                                          {"1e999", kUnfitFrequency},
                                                          {"1e99999999999", kUnfitFrequency},
                                                          {"1e-99999999999", 0}};
        for (const auto& [text, value] : parsed)
            QCOMPARE(ParseFrequencyText(text), value);
        QCOMPARE(ParseFrequencyText("1" + std::string(400, '0') + "e-10"), kUnfitFrequency);
        QCOMPARE(ParseFrequencyText("0." + std::string(400, '0') + "1e50"), 0);
        // Equal remainders snap to 5 kHz; the smaller remainder decides, not the nearer step;
        // out of band the grid takes the first configured band, the dialog always band 0.
        const std::pair<int32_t, int32_t> snaps[] = {
            {14501300, 14501250}, {14500125, 14500000}, {14500250, 14500250}};
        for (const auto& [value, snapped] : snaps)
            QCOMPARE(SnapToStep(value), snapped);
        const auto grid = FrequencyFallback::Grid, dialog = FrequencyFallback::Dialog;
        const std::tuple<const char*, FrequencyFallback, bool, const char*> corrected[] = {
            {"145.0120", grid, false, "145.01000"},
            {"300", grid, false, "136.00000"},
            {"0", grid, false, ""},
            {"0", dialog, false, "136.00000"},
            {"300", grid, true, "400.00000"},
            {"300", dialog, true, "0.00000"}};
        for (const auto& [text, fallback, bandZeroUnset, shown] : corrected) {
            BandLimits limits;
            if (bandZeroUnset)
                limits.low[0] = limits.high[0] = 0;
            QCOMPARE(Q(NormaliseFrequencyText(text, limits, fallback)), QString(shown));
        }
    }

    void tones() {
        // Codes, low byte first; the first five decode back to their text.
        const std::pair<const char*, const char*> codes[] = {
            {"D017N", "1780"}, {"D023I", "23c0"},  {"D777I", "77c7"},        {"254.1", "4125"},
            {"无", "ffff"},    {"", "ffff"},       {"0.0", "0000"},          {"-0.1", "ffff"},
            {"999.9", "9999"}, {"1000.0", "ffff"}, {"1.7e308", "ffff"},      {"D000N", "0080"},
            {"D-1N", "ffff"},  {"D778N", "ffff"},  {"D99999999999N", "ffff"}};
        for (size_t i = 0; i < std::size(codes); ++i) {
            const auto [low, high] = EncodeToneCode(codes[i].first);
            QCOMPARE((QByteArray(1, char(low)) + char(high)).toHex(), codes[i].second);
            if (i < 5)
                QCOMPARE(Q(DecodeToneCode(low, high)), QString(codes[i].first));
        }
        // A code text loses its first character whole, whatever number of bytes its lead byte
        // announces.
        for (const std::string lead : {"\277", "\300\200", "\340\244\205", "\360\237\230\200"})
            QCOMPARE(EncodeToneCode(lead + "23D"), (std::pair<uint8_t, uint8_t>(0x23, 0xC0)));
        // Any low byte under a high byte of 0xFF is no tone; bad digits decode as they stand.
        QCOMPARE(Q(DecodeToneCode(0x12, 0xFF)), QString("无"));
        QCOMPARE(Q(DecodeToneCode(0xFF, 0x7F)), QString("866.5"));
        // Numbers without a point are codes; a tone with a point stays as typed.
        const std::pair<const char*, const char*> normalised[] = {
            {"d1", "D001N"}, {"ID754", "D754I"}, {"777", "D777N"},
            {"778", "无"},   {"D0", "无"},       {"D99999999999", "无"},
            {"59.9", "无"},  {"60.00", "60.00"}, {"280.0", "280.0"},
            {"280.1", "无"}, {"1e400.0", "无"},  {"xyz", "无"},
            {"", ""}};
        for (const auto& [text, shown] : normalised)
            QCOMPARE(Q(NormaliseToneText(text)), QString(shown));
        // The drop-downs offer no tone, the 50 CTCSS tones, then the 107 DCS codes normal and
        // inverted, each surviving encoding and decoding unchanged.
        const std::vector<std::string>& list = ToneList();
        QCOMPARE(list.size(), size_t(1 + 50 + 2 * 107));
        QCOMPARE(Q(list[1] + ' ' + list[50] + ' ' + list[51] + ' ' + list[158] + ' ' + list[264]),
                 QString("67.0 254.1 D017N D017I D754I"));
        for (const std::string& item : list) {
            const auto [low, high] = EncodeToneCode(item);
            QCOMPARE(Q(DecodeToneCode(low, high)), Q(item));
        }
    }

    void labelsAndDtmfDigits() {
        for (const QString row :
             {"a vfo|257", "B VFO|258", "B005|133", "7|7", "x1|0", "2147483647|2147483647",
              "2147483648|0", "-2147483648|-2147483648", "B2147483519|2147483647",
              "B2147483520|0"}) {
            const QString text = row.section('|', 0, 0);
            QCOMPARE(text + '|' + QString::number(ParseChannelLabel(text.toStdString())), row);
        }
        const std::string keys = "0123456789ABCD*#";
        for (size_t code = 0; code < keys.size(); ++code) {
            QCOMPARE(int(DtmfCharToValue(keys[code])), int(code));
            QCOMPARE(DtmfCodeToChar(static_cast<uint8_t>(code)), keys[code]);
        }
        QCOMPARE(QList<int>({DtmfCharToValue('a'), DtmfCharToValue('f'), DtmfCharToValue('F'),
                             DtmfCharToValue('G')}),
                 QList<int>({10, 15, 15, 0xFF}));
    }

    void textInput() {
        using K = KeyFilter;
        const std::tuple<KeyFilter, const char*, const char*> filtered[] = {
            {K::AnyUpper, "az1?é中\t", "AZ1?é中\t"},  {K::Printable, "Az ~中é\t\x7f", "Az ~"},
            {K::Digits, "1a2.3-４9", "1239"},         {K::SignedDigits, "-1+a.9", "-19"},
            {K::HexDigits, "09afAFgG-x ", "09AFAF"},  {K::Frequency, "145.0a-1,5", "145.015"},
            {K::ChannelLabel, "Aa Bb1cC9", "AaBb19"}, {K::Dtmf, "09adAD*#eEfF+ -x中", "09ADAD*#"}};
        for (const auto& [filter, typed, kept] : filtered)
            QCOMPARE(QString::fromStdU32String(FilterText(filter, QString(typed).toStdU32String())),
                     QString(kept));
        // "|" marks the cursor: typed, pasted, committed by an input method, deleted (never
        // refused), into a longer text the program set, with the cursor left before the text.
        const std::tuple<KeyFilter, int, const char*, const char*, const char*> edits[] = {
            {K::Digits, 2, "45", "456|", "45|"},
            {K::Digits, 4, "12", "1abc987|2", "198|2"},
            {K::Dtmf, 16, "1", "1ab#|", "1AB#|"},
            {K::Digits, 2, "255", "2|5", "2|5"},
            {K::ChannelLabel, 4, "A VFO", "A VFO1|", "A VFO|"},
            {K::Digits, 3, "55", "5|55", "5|55"},
            {K::Digits, 9, "123", "1|x23", "1|23"},
            {K::Frequency, 0, "145", "145.012 5|", "145.0125|"}};
        for (const auto& [filter, maxLength, before, after, shown] : edits) {
            const QString changed = QString(after).remove('|');
            const size_t cursor = static_cast<size_t>(QString(after).indexOf('|'));
            const UserEdit kept =
                FilterUserEdit({filter, maxLength}, QString(before).toStdU32String(),
                               changed.toStdU32String(), cursor);
            QString text = QString::fromStdU32String(kept.text);
            text.insert(static_cast<int>(kept.cursor), '|');
            QCOMPARE(text, QString(shown));
        }
    }
};

KESTRA_REGISTER_TEST(TestCodecs);
#include "test_codecs.moc"
