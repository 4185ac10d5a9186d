#include "../app/app_test_support.h"
#include "../channels/channel_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "app/main_frame.h"
#include "image/dtmf_table.h"
#include "image/field_codec.h"
#include "image/new_document.h"
#include "image/number_field.h"
#include "image/optional_features_table.h"
#include "settings/dtmf_auto_dial_page.h"
#include "settings/dtmf_decode_page.h"
#include "settings/dtmf_dlg.h"
#include "settings/dtmf_encode_page.h"
#include "settings/field_form.h"
#include "settings/optional_features_dlg.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <random>
#include <tuple>

namespace {

using Tables = std::vector<const std::vector<FieldSpec>*>;

// The tables of the optional features (first) and of the DTMF editor.
Tables SettingsTables() {
    return {&OptionalFeatureFields(), &DtmfEncodeFields(), &DtmfDecodeFields(), &AutoDialFields(),
            &AutoDialCodeFields()};
}

// The field of any settings table with this name (the names differ across the tables).
const FieldSpec* FieldNamed(std::string_view name) {
    for (const auto* table : SettingsTables())
        for (const FieldSpec& f : *table)
            if (f.name == name)
                return &f;
    return nullptr;
}

// A new document's image without a Default.dat: 0xFF with the built-in defaults.
MemoryImage DefaultsImage() {
    MemoryImage image;
    image.FillAll(0xFF);
    ApplyBuiltInDefaults(image);
    return image;
}

// What the editor shows for the field of the image after its fallbacks.
QString ShownText(const MemoryImage& image, const FieldSpec& field) {
    FieldState state = LoadField(image, field);
    ApplyFallback(field, state);
    if (!IsListEncoding(field.encoding))
        return QString::fromLatin1(state.text);
    const std::string_view item = state.index < 0 ? "<none>" : field.options[state.index];
    return QString::fromUtf8(item.data(), item.size());
}

CFieldForm* Form(const CDtmfDlg& dialog, int tab) {
    return tab == 0   ? dialog.EncodePage()->Form()
           : tab == 1 ? dialog.DecodePage()->Form()
                      : dialog.AutoDialPage()->Form();
}

void ClickTab(const CDtmfDlg& dialog, int tab) {
    QTabBar* bar = dialog.Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
}

QString Code(CDtmfAutoDialPage* page, int row) {
    return page->Grid()->item(row, 1)->text();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { g_dtmfCallId = "100"; }
    void tablesAreSound();
    void everyFieldToItsBytes();
    void loadAndStoreBack();
    void numberText();
    void storeExactlyWhatTheTablesStore();
    void openFromTheMenuAndStoreWhenClosed();
    void dtmfTabsStoreAndLoad();
    void dtmfAutoDialPage();
};

// The settings tables pass the table check, which finds each kind of broken field.
void TestSettings::tablesAreSound() {
    const Tables tables = SettingsTables();
    for (const auto* table : tables)
        QCOMPARE(Lines(FieldTableProblems(*table, kSettingsBegin, kSettingsEnd)), QString());
    // 0x2049 and 0x20d9 are shared between the editors, bit by bit.
    QCOMPARE(Lines(FieldOverlaps(tables)), QString());
    using E = FieldEncoding;
    const FieldSpec sound = {
        .name = "f", .offset = 0x2050, .width = 1, .encoding = E::Option, .options = {"a", "b"}};
    auto problems = [](const FieldSpec& f) {
        return Lines(FieldTableProblems({f}, kSettingsBegin, kSettingsEnd));
    };
    QCOMPARE(problems(sound), QString());
    FieldSpec f = sound;
    f.offset = 0x203F;
    QVERIFY(problems(f).contains("outside"));
    f = sound;
    f.options = {"a", "b", "c"};
    f.fallback = "a";
    QVERIFY(problems(f).contains("does not fit")); // three items in one bit
    f.width = 2;
    f.fallback = "z";
    QVERIFY(problems(f).contains("names no item"));
    f.fallback = {};
    QVERIFY(problems(f).contains("no fallback")); // three items in two bits
    f = sound;
    f.encoding = E::OptionValue;
    f.values = {1};
    QVERIFY(problems(f).contains("one stored value per item"));
    f = {.name = "f", .offset = 0x2050, .encoding = E::Number, .number = {.max = 256}};
    QVERIFY(problems(f).contains("does not fit a byte"));
    f.number = {.textScale = 100, .decimals = 2, .max = 255};
    f.maxLength = 3; // "2.55" has four characters
    QVERIFY(problems(f).contains("too short"));
    f = {.name = "f", .offset = 0x2050, .size = 4, .encoding = E::KillCode, .maxLength = 4};
    QVERIFY(problems(f).contains("does not fit its bytes")); // no room for the terminator
}

// Every field of the tables set through its codec (one item or text per field, in table
// order), starting from an image of zeros: the image holds the bytes of the golden file.
void TestSettings::everyFieldToItsBytes() {
    const std::tuple<Tables, QStringList, const char*> goldens[] = {
        {{&OptionalFeatureFields()},
         {"90", "7",  "6",   "50",   "9",  "2",   "开", "当前编辑", "开",         "搜索", "开",
          "关", "开", "开",  "按键", "3",  "VFO", "关", "B",        "名字",       "频率", "开",
          "开", "关", "All", "信息", "开", "180", "B",  "A",        "~中BCDEFGH", "7",    "1.50"},
         "optional_features.hex"},
        {{&DtmfEncodeFields(), &DtmfDecodeFields()},
         {"15", "700", "1000", "500", "ID", "12A*", "0123456789ABCD*#", "开", "45", "C", "1234",
          "9X*", "25", "回复", "开", "1.5", "禁止收发"},
         "dtmf.hex"},
        {{&AutoDialFields(), &AutoDialCodeFields()},
         {"4567", "#", "1", "23", "456", "7890", "ABCD*", "#", "", "*0#", "100*4567",
          "0123456789ABCD*#99"},
         "auto_dial.hex"},
    };
    for (const auto& [tables, chosen, golden] : goldens) {
        MemoryImage image;
        qsizetype next = 0;
        for (const auto* table : tables) {
            std::vector<FieldState> states;
            for (const FieldSpec& f : *table) {
                QVERIFY(next < chosen.size());
                const std::string text = chosen[next++].toStdString();
                const auto item = std::find(f.options.begin(), f.options.end(), text);
                QVERIFY2(!IsListEncoding(f.encoding) || item != f.options.end(), text.c_str());
                states.push_back({.index = int(item - f.options.begin()), .text = text});
            }
            StoreFields(image, *table, states);
        }
        QCOMPARE(next, chosen.size());
        QCOMPARE(GoldenDifferences(image, golden), QString());
    }
}

void TestSettings::loadAndStoreBack() {
    // Field, its bytes in a new document's image, what the editor shows, what is stored back.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"txTimeLimit", "0a", "30", "01"}, // past the last item: the fallback item
        {"squelch", "0a", "4", "04"},      // no item for the number 10
        {"backlightTime", "09", "10", "09"},
        {"greeting", "090f0e7e20410a", "9#*~ A", "39232a7e204120"}, // codes 0-9, 14, 15 shown
        {"rate", "53", "6", "53"},
        {"rate", "28", "10", "32"},
        {"firstDigitDelay", "03", "100", "02"}, // 150 ms, rounded down
        {"firstDigitTime", "01", "500", "0a"},  // "50": the first item starting with it
        {"pttIdEnd", "010210030405060708090a0b0c0d0e0f", "12", "0102ffffffffffffffffffffffffffff"},
        {"pttIdEnd", "000102030405060708090a0b0c0d0e0f", "0123456789ABCD*#",
         "000102030405060708090a0b0c0d0e0f"},
        {"killCode", "01020f0fffffffffffffffffffffffaa", "12#", "01020f0fffffffffffffffffffffffaa"},
        {"killCode", "0102030405060708090001020304050a", "123456789012345",
         "0102030405060708090001020304050f"},
        {"killCode", "10ffffffffffffffffffffffffffff5a", "", "ffffffffffffffffffffffffffffff5a"},
        {"resetTime", "3d", "10", "0a"},
    };
    for (const auto& [name, before, shown, after] : rows) {
        const FieldSpec* f = FieldNamed(name);
        MemoryImage image = DefaultsImage();
        PutBytes(image, f->offset, Hex(before));
        // The field's name leads both sides, so a failure names its row.
        QCOMPARE(name + ShownText(image, *f), name + QString(shown));
        FieldState state = LoadField(image, *f);
        ApplyFallback(*f, state);
        StoreField(image, *f, state);
        QCOMPARE(name + ImageBytes(image, f->offset, f->size).toHex(), name + QByteArray(after));
    }
}

void TestSettings::numberText() {
    // Field, text, what is done ('=' normalise as on losing the focus, '+' and '-' steps,
    // 'p' the value the text reads as), result. Out of range, decodeTime and dualWatchTime
    // fall back, waitTime is clamped.
    const std::tuple<const char*, const char*, char, const char*> rows[] = {
        {"decodeTime", "3", '=', "2.5"},
        {"decodeTime", "2.4", '+', "2.5"},
        {"decodeTime", "2.5", '+', "0.1"},
        {"decodeTime", "0.1", '-', "2.5"},
        {"dualWatchTime", "1.15", '=', "1.15"},
        {"dualWatchTime", "1e300", '=', "1.50"},
        {"firstDigitDelay", "150", '+', "200"},
        {"firstDigitDelay", "150", '-', "100"},
        {"waitTime", "61", '=', "60"},
        {"waitTime", "99999999999", '=', "3"},
        {"waitTime", "x", 'p', "0"},
    };
    for (const auto& [name, text, op, result] : rows) {
        const NumberRule& rule = FieldNamed(name)->number;
        const QString row = QString("%1 %2 %3: ").arg(name).arg(op).arg(text);
        const QString out = op == 'p'   ? QString::number(ParseNumberText(rule, text))
                            : op == '=' ? Q(NormaliseNumberText(rule, text))
                                        : Q(StepNumberText(rule, text, op == '+' ? 1 : -1));
        QCOMPARE(row + out, row + result);
    }
}

// Opened and destroyed without being closed, each settings dialog does exactly what its
// tables' load and store do, hidden fields and pages not shown included, and nothing else.
// A second load and store changes nothing: every value is then in its corrected form.
void TestSettings::storeExactlyWhatTheTablesStore() {
    const Tables all = SettingsTables();
    for (bool dtmf : {false, true})
        for (unsigned seed : {3u, 17u}) {
            std::mt19937 random(seed); // a fixed generator, so failures repeat
            MemoryImage before;
            for (uint8_t& b : before.Bytes())
                b = static_cast<uint8_t>(random());
            MemoryImage expected = before;
            for (const auto* table : dtmf ? Tables(all.begin() + 1, all.end()) : Tables{all[0]}) {
                auto states = LoadFields(expected, *table);
                StoreFields(expected, *table, states);
                const MemoryImage once = expected;
                states = LoadFields(expected, *table);
                StoreFields(expected, *table, states);
                QVERIFY(expected == once);
            }
            MemoryImage image = before;
            if (dtmf)
                CDtmfDlg dialog(image, nullptr);
            else
                COptionalFeaturesDlg dialog(image, nullptr);
            for (int offset = 0; offset < kImageSize; ++offset)
                QCOMPARE(image.Byte(offset), expected.Byte(offset));
        }
}

void TestSettings::openFromTheMenuAndStoreWhenClosed() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    BuildNewDocumentImage(g_image, "/nonexistent/Default.dat");
    QString opened;
    auto typeAndEnter = [&opened](QDialog* dialog) {
        opened = dialog->windowTitle();
        CFieldForm* form = qobject_cast<COptionalFeaturesDlg*>(dialog)->Form();
        // The hidden fields have controls, but the user never sees them.
        for (int id : {1172, 1192, 1194})
            QVERIFY(!form->Control(id)->isVisible());
        form->Control(1171)->setFocus();
        QTest::keyClick(form->Control(1171), Qt::Key_End); // "270", item 9
        Retype(form->Control(1191), "");
        EnterText(form->Control(1191), "HELLO 中WORLD", Input::Paste);
        QTest::keyClick(form->Control(1191), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    };
    QVERIFY(WithModalDialog([&frame] { frame.Action(32788)->trigger(); }, typeAndEnter));
    QCOMPARE(opened, QString("可选功能"));
    QCOMPARE(g_image.Byte(0x2040), 9);
    QCOMPARE(ImageBytes(g_image, 0x2060, 7), QByteArray("HELLO W"));
    QVERIFY(WithModalDialog([&frame] { frame.Action(32789)->trigger(); },
                            [&opened](QDialog* d) { opened = d->windowTitle(); }));
    QCOMPARE(opened, QString("DTMF"));
}

// Leaving a tab stores its page, entering one loads it; Enter and Esc close nothing; the
// number edits normalise when they lose the focus and step with the arrow keys; closing
// stores the page on show.
void TestSettings::dtmfTabsStoreAndLoad() {
    MemoryImage image = DefaultsImage();
    {
        CDtmfDlg dialog(image, nullptr);
        QVERIFY(ShowActive(&dialog));
        Retype(Form(dialog, 0)->Control(1118), "7x7");
        image.SetByte(0x20DC, 2); // changed behind the decode page
        ClickTab(dialog, 1);
        QCOMPARE(ImageBytes(image, 0x2098, 3).toHex(), QByteArray("0707ff"));
        CFieldForm* decode = Form(dialog, 1);
        QCOMPARE(decode->List(1107)->currentText(), QString("禁止收发"));
        Retype(decode->Control(1112), "3");
        QVERIFY(MoveFocus(decode->Control(1112), decode->Control(1114)));
        QCOMPARE(decode->Edit(1112)->text(), QString("2.5"));
        QTest::keyClick(decode->Control(1112), Qt::Key_Up);
        QCOMPARE(decode->Edit(1112)->text(), QString("0.1"));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(decode->Control(1112), key);
        ClickTab(dialog, 2);
        QCOMPARE(int(image.Byte(0x20DA)), 10);
        image.SetByte(0x2080, 0x22);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(dialog.AutoDialPage()->CallIdEdit(), key);
        ClickTab(dialog, 0);
        QCOMPARE(Form(dialog, 0)->List(1093)->currentText(), QString("15"));
        Retype(Form(dialog, 0)->Control(1117), "12xa*");
        QVERIFY(dialog.isVisible());
        dialog.close();
    }
    QCOMPARE(ImageBytes(image, 0x2088, 5).toHex(), QByteArray("01020a0eff"));
}

// A new separator or own identity rewrites the entries that end with the old ones, and an
// emptied identity comes back; "ANI 呼叫" writes call ID, separator and own identity into the
// current cell; Enter on the grid opens the cell editor in the code column only, and Enter
// and Esc in it commit; the call ID is kept for the run.
void TestSettings::dtmfAutoDialPage() {
    MemoryImage image = DefaultsImage(); // entry 0 "100*100", own identity 100, separator "*"
    StoreField(image, AutoDialCodeFields()[1], {.text = "555"});
    {
        CDtmfDlg dialog(image, nullptr);
        QVERIFY(ShowActive(&dialog));
        ClickTab(dialog, 2);
        CDtmfAutoDialPage* page = dialog.AutoDialPage();
        QTableWidget* grid = page->Grid();
        QWidget* selfId = page->Form()->Control(1212);
        page->Form()->Control(1211)->setFocus();
        QTest::keyClick(page->Form()->Control(1211), Qt::Key_End); // "#"
        QCOMPARE(Code(page, 0), QString("100#100"));
        Retype(selfId, "");
        QVERIFY(MoveFocus(selfId, grid));
        QCOMPARE(page->Form()->Edit(1212)->text(), QString("100"));
        Retype(page->CallIdEdit(), "5*x7");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(3, 1)).center());
        QTest::mouseClick(page->AniButton(), Qt::LeftButton);
        QCOMPARE(Code(page, 3), QString("5*7#100"));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down); // row 4 of the code column
        for (auto [key, typed, shown] :
             {std::tuple{Qt::Key_Return, "12ab", "12AB"}, {Qt::Key_Escape, "c3", "C3"}}) {
            QTest::keyClick(grid, Qt::Key_Return);
            QVERIFY(page->CellEditor()->isVisible());
            QTest::keyClicks(page->CellEditor(), typed);
            QTest::keyClick(page->CellEditor(), key);
            QVERIFY(!page->CellEditor()->isVisible());
            QCOMPARE(Code(page, 4), QString(shown)); // committed; the current cell stays
        }
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!page->CellEditor()->isVisible()); // the index column has no editor
        Retype(selfId, "45"); // still being typed when the dialog closes: left first
        dialog.close();
    }
    QCOMPARE(ImageBytes(image, 0x20E0, 7).toHex(), QByteArray("0100000f0405ff")); // 100#45
    QCOMPARE(ImageBytes(image, 0x20F0, 4).toHex(), QByteArray("050505ff"));
    QCOMPARE(ImageBytes(image, 0x2110, 7).toHex(), QByteArray("050e070f0405ff")); // 5*7#45
    QCOMPARE(ImageBytes(image, 0x2120, 3).toHex(), QByteArray("0c03ff"));
    QCOMPARE(g_dtmfCallId, QString("5*7"));
    QCOMPARE(CDtmfDlg(image, nullptr).AutoDialPage()->CallIdEdit()->text(), QString("5*7"));
}

KESTRA_REGISTER_TEST(TestSettings);
#include "test_settings.moc"
