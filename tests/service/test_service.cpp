#include "../app/app_test_support.h"
#include "../channels/channel_test_support.h"
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
    void grids();
    void numberText();
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

void TestService::grids() {
    // Working bands in MHz (A low, A high, B low, B high) and the squelch grid's rows as
    // "label@address"; the other grids follow the same bands.
    const std::pair<std::array<int, 4>, const char*> rows[] = {
        {{136, 174, 400, 480}, "136-174@3f00 136-174@3f03 400-480@3f0c 400-480@3f0f"},
        {{220, 260, 136, 174}, "220-260@3f06 220-260@3f09 136-174@3f00 136-174@3f03"},
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
    }
    // Grid, stored byte, the value the cell shows.
    const std::tuple<int, int, int> cells[] = {
        {kSquelchGrid, 127, 127}, {kSquelchGrid, 128, 0},     {kPowerGrid, 0, 1},
        {kPowerGrid, 255, 255},   {kDetectionGrid, 137, 137}, {kDetectionGrid, 138, 0},
    };
    for (const auto& [grid, stored, shown] : cells)
        QCOMPARE(CalibrationCellValue(CalibrationGrids()[grid], stored), shown);
}

void TestService::numberText() {
    // Text, base, the number it reads as.
    const std::tuple<const char*, int, int> read[] = {
        {"10ab", 10, 10},
        {"\t\r 7", 10, 7},
        {"99999999999", 10, INT_MAX},
        {"fg1", 16, 0xF},
        {"-99999999999", 10, INT_MIN},
        {"0x1f", 16, 0x1F},
        {"0x1f", 10, 0},
    };
    for (const auto& [text, base, value] : read)
        QCOMPARE(ReadNumberText(text, base), value);
    // Text, step (0: clamp), minimum, maximum, base, result.
    const std::tuple<const char*, int, int, int, int, const char*> rows[] = {
        {"200", 0, 0, 127, 10, "127"},      {"-3", 0, 0, 127, 10, "0"},
        {"ABCD", 0, 0, 0xFFFF, 16, "abcd"}, {"14", 1, 0, 15, 10, "15"},
        {"15", 1, 0, 15, 10, "0"},          {"1", -1, 0, 15, 10, "0"},
        {"0", -1, 0, 15, 10, "15"},         {"2147483647", 1, 0, 15, 10, "0"},
        {"1A3", 1, 0, 0xFFFF, 16, "1a4"},   {"0", -1, 0, 0xFFFF, 16, "ffff"},
    };
    for (const auto& [text, step, minimum, maximum, base, result] : rows)
        QCOMPARE(Q(step == 0 ? ClampNumberText(text, minimum, maximum, base)
                             : StepNumberText(text, step, minimum, maximum, base)),
                 QString(result));
}

void TestService::fieldsFitTheirRegion() {
    // Ids are unique, and each range fits the bits and the edit that hold it; the golden files
    // pin where each field lies.
    std::set<int> ids;
    for (const CalibrationField& f : CalibrationFields()) {
        QVERIFY(ids.insert(f.id).second && f.minimum <= f.maximum);
        const bool deviation = f.encoding == CalibrationEncoding::Deviation;
        QVERIFY((deviation ? f.maximum * 64 : f.maximum) < (1 << f.width));
        QVERIFY(QString::number(f.maximum, f.base).size() <= f.text.maxLength);
    }
    for (const CalibrationSwitch& s : CalibrationSwitches())
        QVERIFY(ids.insert(s.id).second);
}

void TestService::fieldEncodings() {
    // Field, bytes at its offset, the value loaded (the golden files pin the stored bytes).
    const std::tuple<int, QByteArray, int> rows[] = {
        {1213, Hex("b5"), 5},      // V drive, low nibble
        {1116, Hex("7fff"), 1021}, // deviation x 64, bits 0-5 dropped
        {1137, Hex("ff03"), 1023}, // 16 bits, low byte first
        {1131, Hex("fe"), 63},     // compander audio output, bits 2-7
    };
    for (const auto& [id, bytes, loaded] : rows) {
        const CalibrationField* field = FindCalibrationField(id);
        MemoryImage image;
        PutBytes(image, field->offset, bytes);
        QCOMPARE(LoadCalibrationField(image, *field), loaded);
    }
}

// An index outside the records stores nothing; the golden file pins the records' bytes.
void TestService::decoderValues() {
    MemoryImage image;
    for (int index : {-1, kDecoderValueCount})
        StoreDecoderValue(image, index, 0xABCD);
    QVERIFY(image == MemoryImage());
}

void TestService::password() {
    for (const char* entry : {"KZP730", "kzp730"})
        QVERIFY2(ServicePasswordMatches(entry), entry);
    for (const char* entry : {"KZP73", "KZP7300", "KZP731"})
        QVERIFY2(!ServicePasswordMatches(entry), entry);
}

void TestService::init() {
    g_image = MemoryImage();
    g_bandLimits = BandLimits{};
}

void TestService::erasedImage() {
    g_image.FillAll(0xFF);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    // 0xFF lies outside the squelch range; the edits are clamped when loaded, the squelch
    // thresholds excepted.
    QCOMPARE(dialog.CellText(kSquelchGrid, 1, 1), QString("0"));
    QCOMPARE(dialog.Edit(1112)->Text() + " " + dialog.Edit(1154)->Text(), QString("63 255"));
    QVERIFY(!dialog.CheckBox(1238)->isChecked());
    dialog.reject();
    // Displayed grid rows store their replacement values; hidden calibration bands keep theirs.
    QCOMPARE(ImageBytes(g_image, 0x3F00, 3), Hex("000000"));
    QCOMPARE(ImageBytes(g_image, 0x3F06, 3), Hex("ffffff"));
    QCOMPARE(int(g_image.Byte(0x3F12)), 255);
}

// Every labelled edit typed, check boxes clicked and every grid cell typed, the dialog
// closed with Enter: the bytes are those of the hand-written golden files.
void TestService::everyFieldAndCellToItsPlace() {
    g_image.Fill(0x3E00, 0x200, 0x33);
    g_image.SetByte(0x3F13, 0x66);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QVERIFY(ShowActive(&dialog));
    QCOMPARE(dialog.RowLabel(kPowerGrid, 4), QString("400-480 高功率"));
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
        Retype(dialog.Edit(id), text);
    for (int id : {1124, 1128})
        QTest::keyClick(dialog.Edit(id), Qt::Key_Up);
    // The switches whose loaded state differs from the golden one.
    for (int id : {1239, 1240, 1241, 1245, 1247}) {
        QCheckBox* box = dialog.CheckBox(id);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
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
            Retype(control, "99");
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
    MemoryImage radioMemory; // the service regions hold a recognisable pattern
    for (int offset = 0x3E00; offset < 0x3F70; ++offset)
        radioMemory.SetByte(offset, static_cast<uint8_t>(offset * 7 + 3));
    SimulatedRadio radio(radioMemory);
    QVERIFY(radio.Start(home));
    // The image's band block says single band; the working limits still say dual band.
    BandLimits single;
    single.high[0] = single.low[1] = 15000000;
    single.high[1] = 17400000;
    StoreBandLimitsToImage(single, g_image);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), 4);
    QTest::mouseClick(dialog.ReadButton(), Qt::LeftButton);
    QCOMPARE(ImageBytes(g_image, 0x3ED0, 0xA0), ImageBytes(radioMemory, 0x3ED0, 0xA0));
    // The grids follow the band limits of the image and show the radio's values.
    QCOMPARE(g_bandLimits.high[0], 15000000);
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), 2);
    QCOMPARE(dialog.CellText(kPowerGrid, 1, 2), QString::number(radioMemory.Byte(0x3F3A)));
    // The decoder dialog reads its own region, tags included, and shows its values.
    PutBytes(g_image, 0x3E04, Hex("00d5abcd"));
    CDtmfDecoderInitDlg decoder(nullptr, g_image);
    QCOMPARE(decoder.Edit(1)->Text(), QString("abcd"));
    QTest::mouseClick(decoder.ReadButton(), Qt::LeftButton);
    QCOMPARE(answers.messages, QStringList({"读数据成功", "读数据成功"}));
    QCOMPARE(ImageBytes(g_image, 0x3E00, 0x30), ImageBytes(radioMemory, 0x3E00, 0x30));
    const int value = radioMemory.Byte(0x3E06) << 8 | radioMemory.Byte(0x3E07);
    QCOMPARE(decoder.Edit(1)->Text(), QString::number(value, 16));
}

// A failed read changes and reloads nothing; a failed write has still stored the controls
// and the band block.
void TestService::failedTransfers() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(MemoryImage(), SimulatorFault{FaultKind::BadAck, 4});
    QVERIFY(radio.Start(home));
    g_image.Fill(0x3ED0, 0xA0, 0x05);
    const MemoryImage before = g_image;
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QVERIFY(ShowActive(&dialog));
    QTest::mouseClick(dialog.ReadButton(), Qt::LeftButton);
    QVERIFY(g_image == before);
    QCOMPARE(dialog.CellText(kSquelchGrid, 1, 1), QString("5"));
    Retype(ClickCell(dialog, kSquelchGrid, 3, 2), "99");
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
        Retype(dialog.Edit(i), typed[i]);
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
