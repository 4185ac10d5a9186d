#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "channels/program_view.h"
#include "image/band_limits.h"
#include "image/calibration_fields.h"
#include "image/calibration_grids.h"
#include "image/decoder_values.h"
#include "image/numeric_text.h"
#include "image/service_password.h"
#include "service/dtmf_decoder_init_dlg.h"
#include "service/parameter_adjust_dlg.h"
#include "service/service_password_dlg.h"
#include "service/spin_edit.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <array>
#include <set>
#include <tuple>

namespace {

// A radio memory whose service regions hold a recognisable pattern.
MemoryImage PatternedRadioMemory() {
    MemoryImage memory;
    for (int offset = 0x3E00; offset < 0x3F70; ++offset)
        memory.SetByte(offset, static_cast<uint8_t>(offset * 7 + 3));
    return memory;
}

// Replaces the edit's text the way the user does: select all, then type.
void Type(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EnterText(edit, text, Input::Keys);
}

// A left click on a data cell (rows and columns from 1) opens its editor.
CSpinEdit* ClickCell(CParameterAdjustDlg& dialog, int grid, int row, int column) {
    QTableWidget* table = dialog.Grid(grid);
    const QRect cell = table->visualItemRect(table->item(row - 1, column - 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    return qobject_cast<CSpinEdit*>(table->indexWidget(table->currentIndex()));
}

// Presses Ctrl+F11 on `target` and answers the password prompt with `entry` and Enter.
bool ServiceKey(QWidget* target, const QString& entry) {
    return WithModalDialog([target] { QTest::keyClick(target, Qt::Key_F11, Qt::ControlModifier); },
                           [entry](QDialog* dialog) {
                               auto* prompt = qobject_cast<CServicePasswordDlg*>(dialog);
                               QCOMPARE(prompt->PasswordEdit()->echoMode(), QLineEdit::Password);
                               QTest::keyClicks(prompt->PasswordEdit(), entry);
                               QTest::keyClick(prompt->PasswordEdit(), Qt::Key_Return);
                           });
}

QList<int> EditMenuIds(const CMainFrame& frame) {
    QList<int> ids;
    for (QAction* action : frame.menuBar()->actions().value(1)->menu()->actions())
        ids << action->data().toInt();
    return ids;
}

} // namespace

class TestService : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { g_serviceMode = false; }
    void gridLayout();
    void cellDisplayRange();
    void readNumber();
    void clampAndStep();
    void fieldsFitTheirRegion();
    void fieldEncodings();
    void decoderValues();
    void password();
    void erasedImage();
    void everyFieldAndCellToItsPlace();
    void everyCloseStores();
    void readFromRadio();
    void failedTransfers();
    void decoderValuesToTheirPlace();
    void serviceModeOpensOnce();
};

void TestService::gridLayout() {
    // Working bands in MHz (A low, A high, B low, B high) and the squelch grid's rows as
    // "label@address"; the other grids follow the same bands.
    const std::pair<std::array<int, 4>, const char*> rows[] = {
        {{136, 174, 400, 480}, "136-174@3f00 136-174@3f03 400-480@3f0c 400-480@3f0f"},
        {{400, 480, 136, 174}, "400-480@3f0c 400-480@3f0f 136-174@3f00 136-174@3f03"},
        {{220, 260, 400, 520}, "220-260@3f06 220-260@3f09 400-520@3f0c 400-520@3f0f"},
        {{136, 150, 150, 174}, "136-174@3f00 136-174@3f03"}, // one band
        {{100, 120, 400, 480}, "100-480@3f0c 100-480@3f0f"}, // A in none: B's band
        {{200, 250, 300, 350}, "200-350@3f06 200-350@3f09"}, // B in none: A's band
        {{100, 120, 300, 350}, "100-350@3f00 100-350@3f03"}, // neither: band 0
    };
    for (const auto& [mhz, squelchRows] : rows) {
        BandLimits bands;
        for (int band = 0; band < 2; ++band) {
            bands.low[band] = mhz[2 * band] * 100000;
            bands.high[band] = mhz[2 * band + 1] * 100000;
        }
        const CalibrationLayout layout = SetupGrids(bands);
        QStringList squelch;
        for (const CalibrationGridLine& line : layout.grids[kSquelchGrid].lines)
            squelch << Q(line.bandLabel) + '@' + QString::number(line.address, 16);
        QCOMPARE(squelch.join(' '), QString(squelchRows));
        QCOMPARE(layout.dualBand, squelch.size() == 4);
        // The power grid follows the same bands: its rows sit 0x39 above the squelch rows.
        for (size_t i = 0; i < layout.grids[kPowerGrid].lines.size(); ++i)
            QCOMPARE(layout.grids[kPowerGrid].lines[i].address,
                     layout.grids[kSquelchGrid].lines[i].address + 0x39);
    }
}

void TestService::cellDisplayRange() {
    // Grid, stored byte, the value the cell shows.
    const std::tuple<int, int, int> rows[] = {
        {kSquelchGrid, 127, 127}, {kSquelchGrid, 128, 0},     {kPowerGrid, 0, 1},
        {kPowerGrid, 255, 255},   {kDetectionGrid, 137, 137}, {kDetectionGrid, 138, 0},
    };
    for (const auto& [grid, stored, shown] : rows)
        QCOMPARE(CalibrationCellValue(CalibrationGrids()[grid], stored), shown);
}

void TestService::readNumber() {
    const std::tuple<const char*, int, int> rows[] = {
        {"10ab", 10, 10},
        {"\t\r 7", 10, 7},
        {"-5", 10, -5},
        {"AB", 10, 0},
        {"99999999999", 10, INT_MAX},
        {"-99999999999", 10, INT_MIN},
        {"fg1", 16, 0xF},
        {"aF", 16, 0xAF},
        {"0x1f", 16, 0x1F},
        {"0x1f", 10, 0},
    };
    for (const auto& [text, base, value] : rows)
        QCOMPARE(ReadNumberText(text, base), value);
}

void TestService::clampAndStep() {
    // Text, step (0: clamp), minimum, maximum, base, result.
    const std::tuple<const char*, int, int, int, int, const char*> rows[] = {
        {"200", 0, 0, 127, 10, "127"},      {"-3", 0, 0, 127, 10, "0"},
        {"ABCD", 0, 0, 0xFFFF, 16, "abcd"}, {"14", 1, 0, 15, 10, "15"},
        {"15", 1, 0, 15, 10, "0"},          {"1", -1, 0, 15, 10, "0"},
        {"0", -1, 0, 15, 10, "15"},         {"2147483647", 1, 0, 15, 10, "0"},
        {"1A3", 1, 0, 0xFFFF, 16, "1a4"},   {"ffff", 1, 0, 0xFFFF, 16, "0"},
        {"0", -1, 0, 0xFFFF, 16, "ffff"},
    };
    for (const auto& [text, step, minimum, maximum, base, result] : rows)
        QCOMPARE(Q(step == 0 ? ClampNumberText(text, minimum, maximum, base)
                             : StepNumberText(text, step, minimum, maximum, base)),
                 QString(result));
}

void TestService::fieldsFitTheirRegion() {
    // Every edit and switch lies in the calibration region outside the derived tables, no two
    // share a bit, and each range fits the bits and the edit that hold it.
    std::set<std::pair<int, int>> bits;
    auto claim = [&bits](int offset, int bit) {
        const bool derived = (offset >= 0x3F15 && offset <= 0x3F1E) || offset >= 0x3F4B;
        QVERIFY2(offset >= 0x3ED0 && (offset == 0x3F6F || !derived) &&
                     bits.insert({offset, bit}).second,
                 qPrintable(QString::number(offset, 16)));
    };
    std::set<int> ids;
    for (const CalibrationField& f : CalibrationFields()) {
        QVERIFY(ids.insert(f.id).second && f.minimum <= f.maximum);
        const bool deviation = f.encoding == CalibrationEncoding::Deviation;
        QVERIFY((deviation ? f.maximum * 64 : f.maximum) < (1 << f.width));
        for (int b = f.shift; b < f.shift + f.width; ++b)
            claim(f.offset + b / 8, b % 8);
        QVERIFY(QString::number(f.maximum, f.base).size() <= f.text.maxLength);
    }
    for (const CalibrationSwitch& s : CalibrationSwitches()) {
        QVERIFY(ids.insert(s.id).second);
        claim(s.offset, s.bit);
    }
}

void TestService::fieldEncodings() {
    // Field, bytes at its offset, the value loaded, a value stored and the bytes after it;
    // the bytes around the field stay 0x77.
    const std::tuple<int, QByteArray, int, int, QByteArray> rows[] = {
        {1213, Hex("b5"), 5, 12, Hex("bc")},         // V drive, low nibble
        {1203, Hex("a5"), 10, 3, Hex("35")},         // U drive, high nibble
        {1116, Hex("7fff"), 1021, 1, Hex("4000")},   // deviation x 64, bits 0-5 dropped
        {1137, Hex("ff03"), 1023, 513, Hex("0102")}, // 16 bits, low byte first
        {1131, Hex("fe"), 63, 21, Hex("56")},        // compander audio output, bits 2-7
    };
    for (const auto& [id, before, loaded, stored, after] : rows) {
        const CalibrationField* field = FindCalibrationField(id);
        MemoryImage image;
        image.Fill(0x3E00, 0x200, 0x77);
        PutBytes(image, field->offset, before);
        QCOMPARE(LoadCalibrationField(image, *field), loaded);
        StoreCalibrationField(image, *field, stored);
        QCOMPARE(ImageBytes(image, field->offset - 1, int(after.size()) + 2),
                 "\x77" + after + "\x77");
    }
}

void TestService::decoderValues() {
    // Record index, its bytes, the value loaded, its bytes after storing 0xABCD.
    const std::tuple<int, QByteArray, int, QByteArray> rows[] = {
        {0, Hex("99991234"), 0x1234, Hex("01c4abcd")},  // tags written, high byte first
        {10, Hex("00000102"), 0x102, Hex("01c3abcd")},  // the last record
        {11, Hex("55555555"), 0x5555, Hex("55555555")}, // no record: nothing written
    };
    for (const auto& [index, record, loaded, after] : rows) {
        MemoryImage image;
        image.Fill(kDecoderRegion, 0x40, 0x55);
        PutBytes(image, kDecoderRegion + 4 * index, record);
        QCOMPARE(int(LoadDecoderValue(image, index)), loaded);
        StoreDecoderValue(image, index, 0xABCD);
        QCOMPARE(ImageBytes(image, kDecoderRegion + 4 * index, 4), after);
        QCOMPARE(ImageBytes(image, 0x3E2C, 4), Hex("55555555")); // the unused tail
    }
}

void TestService::password() {
    for (const char* entry : {"KZP730", "kzp730"})
        QVERIFY2(ServicePasswordMatches(entry), entry);
    for (const char* entry : {"", "KZP73", "KZP7300", "KZP731"})
        QVERIFY2(!ServicePasswordMatches(entry), entry);
}

void TestService::init() {
    g_image = MemoryImage();
    g_bandLimits = BandLimits{};
}

void TestService::erasedImage() {
    g_image.FillAll(0xFF);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    // 0xFF lies outside the squelch range but is a valid power value.
    QCOMPARE(dialog.CellText(kSquelchGrid, 1, 1), QString("0"));
    QCOMPARE(dialog.CellText(kPowerGrid, 4, 3), QString("255"));
    // Clamped when loaded, the squelch thresholds excepted; the compander in hexadecimal.
    for (auto [id, text] : {std::pair{1112, "63"}, {1128, "ffff"}, {1154, "255"}})
        QCOMPARE(dialog.Edit(id)->Text(), QString(text));
    QVERIFY(!dialog.CheckBox(1238)->isChecked());
    dialog.reject();
    // Displayed grid rows store their replacement values; hidden calibration bands keep theirs.
    QCOMPARE(ImageBytes(g_image, 0x3F00, 3), Hex("000000"));
    QCOMPARE(ImageBytes(g_image, 0x3F06, 3), Hex("ffffff"));
    QCOMPARE(int(g_image.Byte(0x3F21)), 63);
    QCOMPARE(int(g_image.Byte(0x3F12)), 255);
}

// Every labelled edit typed, every check box clicked and every grid cell typed, the dialog
// closed with Enter: the bytes are those of the hand-written golden files.
void TestService::everyFieldAndCellToItsPlace() {
    g_image.Fill(0x3E00, 0x200, 0x33);
    g_image.SetByte(0x3F13, 0x66);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QVERIFY(ShowActive(&dialog));
    QCOMPARE(dialog.RowLabel(kSquelchGrid, 3), QString("400-480 sql 1"));
    QCOMPARE(dialog.RowLabel(kPowerGrid, 2), QString("136-174 高功率"));
    // Some with characters the edit does not take or too many; 1154 loses the focus at 200;
    // 1124 and 1128 are then stepped up once.
    const std::pair<int, const char*> typed[] = {
        {1154, "200"},  {1156, "103"},    {1213, "10"},   {1203, "9"},  {1112, "405"},
        {1114, "12"},   {1116, "300"},    {1151, "513"},  {1118, "21"}, {1145, "22"},
        {1147, "23"},   {1149, "24"},     {1120, "25"},   {1124, "15"}, {1122, "14"},
        {1163, "2009"}, {1126, "201"},    {1133, "202"},  {1135, "40"}, {1137, "10009"},
        {1139, "26"},   {1128, "bxeee1"}, {1161, "1234"}, {1131, "45"},
    };
    for (auto [id, text] : typed)
        Type(dialog.Edit(id), text);
    for (int id : {1124, 1128})
        QTest::keyClick(dialog.Edit(id), Qt::Key_Up);
    const std::pair<int, bool> switches[] = {
        {1238, true}, {1239, true}, {1240, false}, {1241, true}, {1242, false},
        {1243, true}, {1244, true}, {1245, false}, {1246, true}, {1247, false},
    };
    for (auto [id, on] : switches) {
        QCheckBox* box = dialog.CheckBox(id);
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(box->isChecked(), on);
    }
    const QList<QStringList> cells = {
        {"1a1 12 13", "21 22 300", "31 32 33", "41 42 43"},
        {"10 20 20", "20 10 10", "0 41 41", "200 100 250"},
        {"1 2 3 4", "5 6 7 8", "9 10 11 12", "13 14 15 16", "17 18 19 200", "21 22 23 24"},
    };
    CSpinEdit* editor = nullptr;
    for (int grid = 0; grid < kCalibrationGridCount; ++grid)
        for (int row = 1; row <= cells[grid].size(); ++row)
            for (int column = 1; column <= dialog.Grid(grid)->columnCount(); ++column) {
                editor = ClickCell(dialog, grid, row, column);
                QVERIFY(editor);
                EnterText(editor, cells[grid][row - 1].section(' ', column - 1, column - 1),
                          Input::Keys);
            }
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(GoldenDifferences(g_image, "calibration_fields.hex"), QString());
    QCOMPARE(GoldenDifferences(g_image, "calibration_grids.hex"), QString());
}

void TestService::everyCloseStores() {
    // 99 typed into the V drive edit or the last detection cell is committed through the
    // control's own rule before the dialog stores, however it is closed.
    for (bool cell : {false, true})
        for (bool escape : {false, true}) {
            g_image.SetByte(0x3F20, 0xF3);
            CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
            QVERIFY(ShowActive(&dialog));
            QWidget* control = cell ? ClickCell(dialog, kDetectionGrid, 6, 4) : dialog.Edit(1213);
            Type(control, "99");
            if (escape)
                QTest::keyClick(control, Qt::Key_Escape);
            else
                dialog.close();
            QVERIFY(!dialog.isVisible());
            QCOMPARE(int(g_image.Byte(cell ? 0x3EF3 : 0x3F20)), cell ? 99 : 0xFF);
        }
}

void TestService::readFromRadio() {
    TestHome home;
    AutoResponder answers;
    const MemoryImage radioMemory = PatternedRadioMemory();
    SimulatedRadio radio(radioMemory);
    QVERIFY(radio.Start(home));
    // The image's band block says single band; the working limits still say dual band.
    BandLimits single;
    single.high[0] = single.low[1] = 15000000;
    single.high[1] = 17400000;
    StoreBandLimitsToImage(single, g_image);
    const MemoryImage before = g_image;
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), 4);
    QTest::mouseClick(dialog.ReadButton(), Qt::LeftButton);
    QCOMPARE(ImageBytes(g_image, 0x3ED0, 0xA0), ImageBytes(radioMemory, 0x3ED0, 0xA0));
    QCOMPARE(ImageBytes(g_image, 0, 0x3ED0), ImageBytes(before, 0, 0x3ED0));
    // The grids follow the band limits of the image and show the radio's values.
    QCOMPARE(g_bandLimits.high[0], 15000000);
    QCOMPARE(dialog.RowLabel(kSquelchGrid, 2), QString("136-174 sql 9"));
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), 2);
    QCOMPARE(dialog.CellText(kPowerGrid, 1, 2), QString::number(radioMemory.Byte(0x3F3A)));
    // The decoder dialog reads its own region, tags included, and shows its values.
    PutBytes(g_image, 0x3E04, Hex("00d5abcd"));
    CDtmfDecoderInitDlg decoder(nullptr, g_image);
    QCOMPARE(decoder.Edit(1)->Text(), QString("abcd"));
    QTest::mouseClick(decoder.ReadButton(), Qt::LeftButton);
    QCOMPARE(answers.messages, QStringList({"读数据成功", "读数据成功"}));
    QCOMPARE(ImageBytes(g_image, 0x3E00, 0x30), ImageBytes(radioMemory, 0x3E00, 0x30));
    QCOMPARE(ImageBytes(g_image, 0x3E30, 0x10), QByteArray(0x10, '\0'));
    const int value = radioMemory.Byte(0x3E06) << 8 | radioMemory.Byte(0x3E07);
    QCOMPARE(decoder.Edit(1)->Text(), QString::number(value, 16));
}

// A failed read changes and reloads nothing; a failed write has still stored the controls
// and the band block.
void TestService::failedTransfers() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(PatternedRadioMemory(), SimulatorFault{FaultKind::BadAck, 4});
    QVERIFY(radio.Start(home));
    g_image.Fill(0x3ED0, 0xA0, 0x05);
    const MemoryImage before = g_image;
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QVERIFY(ShowActive(&dialog));
    QTest::mouseClick(dialog.ReadButton(), Qt::LeftButton);
    QVERIFY(g_image == before);
    QCOMPARE(dialog.CellText(kSquelchGrid, 1, 1), QString("5"));
    Type(ClickCell(dialog, kSquelchGrid, 3, 2), "99");
    QTest::mouseClick(dialog.WriteButton(), Qt::LeftButton);
    QCOMPARE(answers.messages, QStringList({"通信出错", "通信出错"}));
    QCOMPARE(int(g_image.Byte(0x3F0D)), 99);
    QCOMPARE(ImageBytes(g_image, 0x2E10, 16), Hex("00006013000040170000004000000048"));
}

// A distinct value typed into each edit (the first with characters the edit does not take,
// the last stepped up from bbba), the dialog closed with Enter: the region holds the bytes of
// the hand-written golden file.
void TestService::decoderValuesToTheirPlace() {
    PutBytes(g_image, 0x3E2C, Hex("5a5a5a5a"));
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    QVERIFY(ShowActive(&dialog));
    const char* typed[] = {"1g-1x111", "2222", "3333", "4444", "5555", "6666",
                           "7777",     "8888", "9999", "aaaa", "bbba"};
    for (int i = 0; i < kDecoderValueCount; ++i)
        Type(dialog.Edit(i), typed[i]);
    QTest::keyClick(dialog.Edit(10), Qt::Key_Up);
    QTest::keyClick(dialog.Edit(10), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(GoldenDifferences(g_image, "decoder_values.hex"), QString());
}

void TestService::serviceModeOpensOnce() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    CProgramView* view = frame.ActiveView();
    const QList<int> plain = EditMenuIds(frame);
    QVERIFY(ServiceKey(view->Grid(), "KZP731"));
    QCOMPARE(EditMenuIds(frame), plain);
    QVERIFY(view->InitialiseButton()->isHidden());
    // The key reaches the prompt from a cell editor as well.
    view->SetCurrentCell(3, 1);
    view->ShowCellEditor();
    QVERIFY(ServiceKey(view->Grid()->indexWidget(view->Grid()->currentIndex()), "kzp730"));
    const QList<int> service = plain + QList<int>{32807, 32808};
    QCOMPARE(EditMenuIds(frame), service);
    QVERIFY(!view->InitialiseButton()->isHidden());
    // Asked again, the entries are not added twice.
    QVERIFY(ServiceKey(view->Grid(), "KZP730"));
    QCOMPARE(EditMenuIds(frame), service);
    // A new document rebuilds the menus and brings a new view: both keep the service mode.
    const QPointer<CProgramView> first = view;
    frame.OnFileNew();
    QTRY_VERIFY(!first && frame.ActiveView());
    QCOMPARE(EditMenuIds(frame), service);
    QVERIFY(!frame.ActiveView()->InitialiseButton()->isHidden());
    for (auto [command, dialog] :
         {std::pair{32807, "CParameterAdjustDlg"}, {32808, "CDtmfDecoderInitDlg"}}) {
        QString opened;
        QVERIFY(WithModalDialog([&frame, command] { frame.Action(command)->trigger(); },
                                [&opened](QDialog* d) { opened = d->metaObject()->className(); }));
        QCOMPARE(opened, QString(dialog));
    }
}

KESTRA_REGISTER_TEST(TestService);
#include "test_service.moc"
