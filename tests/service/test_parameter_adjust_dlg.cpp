#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "service_test_support.h"

#include "app/app_globals.h"
#include "image/band_limits.h"
#include "image/calibration_grids.h"
#include "service/parameter_adjust_dlg.h"
#include "service/spin_edit.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

namespace {

void SetLimits(BandLimits& limits, int aLow, int aHigh, int bLow, int bHigh) {
    limits.low[0] = aLow * 100000;
    limits.high[0] = aHigh * 100000;
    limits.low[1] = bLow * 100000;
    limits.high[1] = bHigh * 100000;
}

QStringList AllCells(const CParameterAdjustDlg& dialog) {
    QStringList cells;
    for (int g = 0; g < kCalibrationGridCount; ++g)
        for (int r = 1; r < dialog.Grid(g)->rowCount() + 1; ++r)
            for (int c = 1; c < dialog.Grid(g)->columnCount() + 1; ++c)
                cells << dialog.CellText(g, r, c);
    return cells;
}

CSpinEdit* OpenCellEditor(CParameterAdjustDlg& dialog, int grid, int row, int column) {
    QTableWidget* table = dialog.Grid(grid);
    table->setCurrentCell(row - 1, column - 1);
    table->editItem(table->currentItem());
    return qobject_cast<CSpinEdit*>(table->indexWidget(table->currentIndex()));
}

} // namespace

class TestParameterAdjustDlg : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void erasedImage();
    void layoutFollowsBandLimits_data();
    void layoutFollowsBandLimits();
    void powerSlopesFollowTheStore();
    void editKeys_data();
    void editKeys();
    void focusLossClamps();
    void cellEditor();
    void everyFieldToItsPlace();
    void everyCloseStores_data();
    void everyCloseStores();
    void readFromRadio();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void writeToRadio();
    void writeWithoutRadio();
};

void TestParameterAdjustDlg::init() {
    g_image = MemoryImage();
    g_bandLimits = BandLimits{};
}

void TestParameterAdjustDlg::erasedImage() {
    g_image.FillAll(0xFF);
    g_image.SetByte(0x3F12, 200);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    // 0xFF lies outside the squelch ranges but is a valid power value (1..255).
    for (int g = 0; g < kCalibrationGridCount; ++g)
        for (int c = 1; c <= dialog.Grid(g)->columnCount(); ++c)
            QCOMPARE(dialog.CellText(g, 1, c), g == kPowerGrid ? QString("255") : QString("0"));
    const std::pair<int, const char*> shown[] = {
        {1112, "63"},   {1114, "15"}, {1116, "1023"}, {1163, "255"}, {1126, "255"},
        {1128, "ffff"}, {1131, "63"}, {1154, "200"},  {1213, "15"},  {1120, "31"}};
    for (auto [id, text] : shown)
        QCOMPARE(dialog.Edit(id)->Text(), QString(text));
    QVERIFY(!dialog.CheckBox(1238)->isChecked());
    QVERIFY(dialog.CheckBox(1239)->isChecked());
    dialog.reject();
    // Displayed grid rows store their replacement values; hidden calibration bands keep theirs.
    QCOMPARE(ImageBytes(g_image, 0x3F00, 3), Hex("000000"));
    QCOMPARE(ImageBytes(g_image, 0x3F39, 3), Hex("ffffff"));
    QCOMPARE(ImageBytes(g_image, 0x3ED0, 4), Hex("00000000"));
    QCOMPARE(ImageBytes(g_image, 0x3F06, 3), Hex("ffffff"));
    QCOMPARE(int(g_image.Byte(0x3F21)), 63);
    QCOMPARE(int(g_image.Byte(0x3F12)), 200);
    QCOMPARE(ImageBytes(g_image, 0x3F23, 2), Hex("c0ff"));
    QCOMPARE(ImageBytes(g_image, 0x3F15, 10), Hex("423b352f28221c150f08"));
    QCOMPARE(int(g_image.Byte(0x3F2F)), 0xFF);
}

void TestParameterAdjustDlg::layoutFollowsBandLimits_data() {
    QTest::addColumn<QList<int>>("mhz");
    QTest::addColumn<int>("squelchRows");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("dual band") << QList<int>{136, 174, 400, 480} << 4
                               << QStringList{"136-174 sql 1", "400-480 sql 9"};
    QTest::newRow("single band") << QList<int>{136, 150, 150, 174} << 2
                                 << QStringList{"136-174 sql 1", "136-174 sql 9"};
}

void TestParameterAdjustDlg::layoutFollowsBandLimits() {
    QFETCH(QList<int>, mhz);
    QFETCH(int, squelchRows);
    QFETCH(QStringList, labels);
    SetLimits(g_bandLimits, mhz[0], mhz[1], mhz[2], mhz[3]);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), squelchRows);
    QCOMPARE(dialog.Grid(kDetectionGrid)->rowCount(), squelchRows / 2 * 3);
    QCOMPARE(dialog.RowLabel(kSquelchGrid, 1), labels[0]);
    QCOMPARE(dialog.RowLabel(kSquelchGrid, squelchRows), labels[1]);
    QCOMPARE(dialog.RowLabel(kPowerGrid, 2), labels[0].section(' ', 0, 0) + " 高功率");
    const int dpi = dialog.logicalDpiX();
    QCOMPARE(dialog.Grid(kSquelchGrid)->columnWidth(0), 1000 * dpi / 1440);
    QCOMPARE(dialog.Grid(kDetectionGrid)->verticalHeader()->width(), 1650 * dpi / 1440);
}

void TestParameterAdjustDlg::powerSlopesFollowTheStore() {
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    for (int c = 1; c <= 3; ++c)
        dialog.SetCellText(kPowerGrid, 1, c, QString::number(c == 1 ? 10 : 20));
    dialog.StoreToImage();
    QCOMPARE(ImageBytes(g_image, 0x3F39, 3), Hex("0a1414"));
    QCOMPARE(ImageBytes(g_image, 0x3F4B, 6), Hex("30e602000000"));
}

void TestParameterAdjustDlg::editKeys_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text"); // set first
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // then pressed when non-zero
    QTest::addColumn<QString>("shown");
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    QTest::newRow("V drive 15 up") << 1213 << "15"
                                   << "" << up << "0";
    QTest::newRow("compander 1A3 up") << 1128 << "1A3"
                                      << "" << up << "1a4";
    QTest::newRow("deviation 1023 up") << 1116 << "1023"
                                       << "" << up << "0";
    QTest::newRow("threshold 200 down") << 1154 << "200"
                                        << "" << down << "127";
    QTest::newRow("digits only") << 1112 << ""
                                 << "a5-" << 0 << "5";
    QTest::newRow("hex in upper case") << 1128 << ""
                                       << "1ag9" << 0 << "1A9";
    QTest::newRow("threshold takes anything") << 1154 << ""
                                              << "a-" << 0 << "A-";
    QTest::newRow("four characters") << 1116 << ""
                                     << "12345" << 0 << "1234";
    QTest::newRow("three characters") << 1163 << ""
                                      << "2555" << 0 << "255";
}

void TestParameterAdjustDlg::editKeys() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, shown);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    CSpinEdit* edit = dialog.Edit(id);
    edit->SetText(text);
    QTest::keyClicks(edit, typed);
    if (key)
        QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(edit->Text(), shown);
}

void TestParameterAdjustDlg::focusLossClamps() {
    g_image.SetByte(0x3F12, 200);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    CSpinEdit* edit = dialog.Edit(1154);
    QCOMPARE(edit->Text(), QString("200"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
    QCOMPARE(edit->Text(), QString("127"));
    dialog.reject();
    QCOMPARE(int(g_image.Byte(0x3F12)), 127);
}

void TestParameterAdjustDlg::cellEditor() {
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    CSpinEdit* editor = OpenCellEditor(dialog, kSquelchGrid, 1, 1);
    QVERIFY(editor);
    QCOMPARE(dialog.Grid(kSquelchGrid)->item(0, 0)->foreground().color(), QColor(Qt::red));
    QTest::keyClicks(editor, "-a1");
    QCOMPARE(editor->Text(), QString("-1"));
    editor->SetText("300");
    // Still open when the dialog stores: committed and clamped into 0..127.
    dialog.StoreToImage();
    QCOMPARE(dialog.CellText(kSquelchGrid, 1, 1), QString("127"));
    QCOMPARE(int(g_image.Byte(0x3F00)), 127);
    dialog.Grid(kSquelchGrid)->setCurrentCell(0, 1);
    QCOMPARE(dialog.Grid(kSquelchGrid)->item(0, 0)->foreground().color(), QColor(Qt::black));
    // The power grid's editor clamps to 1..255.
    CSpinEdit* power = OpenCellEditor(dialog, kPowerGrid, 2, 3);
    QVERIFY(power);
    power->SetText("0");
    dialog.StoreToImage();
    QCOMPARE(int(g_image.Byte(0x3F3C + 2)), 1);
}

// Every labelled edit typed and every check box clicked, the dialog closed with Enter: the
// bytes are those of the hand-written golden file.
void TestParameterAdjustDlg::everyFieldToItsPlace() {
    for (int i = 0x3F12; i <= 0x3F6F; ++i)
        g_image.SetByte(i, 0);
    g_image.SetByte(0x3F13, 0x66);
    g_image.SetByte(0x3F2F, 0xFF);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const std::pair<int, const char*> typed[] = {
        {1154, "101"}, {1156, "103"},  {1213, "10"}, {1203, "9"},    {1112, "40"},   {1114, "12"},
        {1116, "300"}, {1151, "513"},  {1118, "21"}, {1145, "22"},   {1147, "23"},   {1149, "24"},
        {1120, "25"},  {1124, "3"},    {1122, "14"}, {1163, "200"},  {1126, "201"},  {1133, "202"},
        {1135, "40"},  {1137, "1000"}, {1139, "26"}, {1128, "beef"}, {1161, "1234"}, {1131, "45"},
    };
    CSpinEdit* last = nullptr;
    for (auto [id, text] : typed) {
        last = dialog.Edit(id);
        last->setFocus();
        last->SetText("");
        EnterText(last, text, Input::Keys);
    }
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
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(GoldenDifferences(g_image, "calibration_fields.hex"), QString());
}

void TestParameterAdjustDlg::everyCloseStores_data() {
    QTest::addColumn<int>("grid"); // -1: the V drive edit
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // 0: closed from the title bar
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    // Typed text is committed through the control's own rule before the dialog stores.
    for (auto [key, name] : {std::pair{int(Qt::Key_Return), "Enter"},
                             std::pair{int(Qt::Key_Escape), "Esc"}, std::pair{0, "title bar"}}) {
        QTest::newRow(qPrintable(QString("V drive 99, %1").arg(name)))
            << -1 << "99" << key << 0x3F20 << 0xFF;
        QTest::newRow(qPrintable(QString("detection cell 99, %1").arg(name)))
            << int(kDetectionGrid) << "99" << key << 0x3EF3 << 99;
        QTest::newRow(qPrintable(QString("squelch cell 300, %1").arg(name)))
            << int(kSquelchGrid) << "300" << key << 0x3F11 << 127;
    }
}

void TestParameterAdjustDlg::everyCloseStores() {
    QFETCH(int, grid);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, offset);
    QFETCH(int, stored);
    g_image.SetByte(0x3F20, 0xF3);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget* control = dialog.Edit(1213);
    if (grid < 0) {
        control->setFocus();
        dialog.Edit(1213)->SetText("");
    } else {
        // The last cell of the last data row, opened by a left press.
        QTableWidget* table = dialog.Grid(grid);
        const QRect cell =
            table->visualItemRect(table->item(table->rowCount() - 1, table->columnCount() - 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        control = table->indexWidget(table->currentIndex());
        QVERIFY(control);
        QTest::keyClick(control, Qt::Key_Backspace);
    }
    QTest::keyClicks(control, typed);
    if (key)
        QTest::keyClick(control, Qt::Key(key));
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(g_image.Byte(offset)), stored);
}

void TestParameterAdjustDlg::readFromRadio() {
    TestHome home;
    AutoResponder answers;
    const MemoryImage radioMemory = PatternedRadioMemory();
    SimulatedRadio radio(radioMemory);
    QVERIFY(radio.Start(home));
    // The image's band block says single band; the working limits still say dual band.
    BandLimits single;
    SetLimits(single, 136, 150, 150, 174);
    StoreBandLimitsToImage(single, g_image);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), 4);
    const MemoryImage before = g_image;
    dialog.OnReadData();
    QCOMPARE(answers.messages, QStringList{"读数据成功"});
    QCOMPARE(ImageBytes(g_image, 0x3ED0, 0xA0), ImageBytes(radioMemory, 0x3ED0, 0xA0));
    QCOMPARE(ImageBytes(g_image, 0, 0x3ED0), ImageBytes(before, 0, 0x3ED0));
    QCOMPARE(g_bandLimits.high[0], 15000000);
    QCOMPARE(dialog.Grid(kSquelchGrid)->rowCount(), 2);
    const int shown =
        CalibrationCellValue(CalibrationGrids()[kPowerGrid], radioMemory.Byte(0x3F3A));
    QCOMPARE(dialog.CellText(kPowerGrid, 1, 2), QString::number(shown));
    const QByteArray sent = radio.Sent();
    QVERIFY(sent.contains(Hex("523ed010")));
    QVERIFY(sent.contains(Hex("523f6010")));
}

void TestParameterAdjustDlg::failedReadChangesNothing_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("block");
    QTest::newRow("silent radio") << int(FaultKind::Silent) << 0;
    QTest::newRow("bad acknowledge of the identification") << int(FaultKind::BadAck) << 0;
    QTest::newRow("bad acknowledge at block 4") << int(FaultKind::BadAck) << 4;
    QTest::newRow("hang-up at block 6") << int(FaultKind::HangUp) << 6;
}

void TestParameterAdjustDlg::failedReadChangesNothing() {
    QFETCH(int, fault);
    QFETCH(int, block);
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(PatternedRadioMemory(), SimulatorFault{FaultKind(fault), block});
    QVERIFY(radio.Start(home));
    g_image.Fill(0x3ED0, 0xA0, 0x05);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    const MemoryImage before = g_image;
    const QStringList cells = AllCells(dialog);
    dialog.OnReadData();
    QCOMPARE(answers.messages, QStringList{"通信出错"});
    QVERIFY(g_image == before);
    QCOMPARE(AllCells(dialog), cells);
    dialog.reject();
    QCOMPARE(int(g_image.Byte(0x3F00)), 5);
}

void TestParameterAdjustDlg::writeToRadio() {
    TestHome home;
    AutoResponder answers;
    const MemoryImage radioMemory = PatternedRadioMemory();
    SimulatedRadio radio(radioMemory);
    QVERIFY(radio.Start(home));
    g_image.Fill(0x3E00, 0x200, 0x09);
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    dialog.SetCellText(kSquelchGrid, 3, 2, "99");
    dialog.OnWriteData();
    QCOMPARE(answers.messages, QStringList{"写数据成功"});
    const MemoryImage written = radio.simulator.Memory();
    QCOMPARE(int(written.Byte(0x3F0C + 1)), 99);
    QCOMPARE(ImageBytes(written, 0x3ED0, 0xA0), ImageBytes(g_image, 0x3ED0, 0xA0));
    // Only the calibration region went out.
    QCOMPARE(ImageBytes(written, 0x3E00, 0xD0), ImageBytes(radioMemory, 0x3E00, 0xD0));
    QCOMPARE(ImageBytes(g_image, 0x2E10, 16), Hex("00006013000040170000004000000048"));
}

void TestParameterAdjustDlg::writeWithoutRadio() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(MemoryImage(), SimulatorFault{FaultKind::Silent, 0});
    QVERIFY(radio.Start(home));
    CParameterAdjustDlg dialog(nullptr, g_image, g_bandLimits);
    dialog.SetCellText(kPowerGrid, 1, 1, "77");
    dialog.OnWriteData();
    QCOMPARE(answers.messages, QStringList{"通信出错"});
    // The store and the band block happen before the port is opened.
    QCOMPARE(int(g_image.Byte(0x3F39)), 77);
    QCOMPARE(ImageBytes(g_image, 0x2E10, 4), Hex("00006013"));
    QCOMPARE(radio.Sent().count(QByteArray("\x02PROGRAM")), 4);
}

KESTRA_REGISTER_TEST(TestParameterAdjustDlg);
#include "test_parameter_adjust_dlg.moc"
