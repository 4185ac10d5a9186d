#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "service_test_support.h"

#include "app/app_globals.h"
#include "service/dtmf_decoder_init_dlg.h"
#include "service/spin_edit.h"

#include <QTest>

class TestDtmfDecoderInitDlg : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void everyValueToItsPlace();
    void erasedImageGetsTags();
    void editKeys_data();
    void editKeys();
    void readFromRadio();
    void failedRead();
    void writeToRadio();
};

void TestDtmfDecoderInitDlg::init() {
    g_image = MemoryImage();
}

// A distinct value typed into each edit, the dialog closed with Enter: the region holds the
// bytes of the hand-written golden file.
void TestDtmfDecoderInitDlg::everyValueToItsPlace() {
    PutBytes(g_image, 0x3E2C, Hex("5a5a5a5a"));
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const char* typed[] = {"1111", "2222", "3333", "4444", "5555", "6666",
                           "7777", "8888", "9999", "aaaa", "bbbb"};
    for (int i = 0; i < kDecoderValueCount; ++i) {
        dialog.Edit(i)->setFocus();
        dialog.Edit(i)->SetText("");
        EnterText(dialog.Edit(i), typed[i], Input::Keys);
    }
    QTest::keyClick(dialog.Edit(10), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(GoldenDifferences(g_image, "decoder_values.hex"), QString());
}

void TestDtmfDecoderInitDlg::erasedImageGetsTags() {
    g_image.FillAll(0xFF);
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    for (int i = 0; i < kDecoderValueCount; ++i)
        QCOMPARE(dialog.Edit(i)->Text(), QString("ffff"));
    dialog.reject();
    QCOMPARE(ImageBytes(g_image, 0x3E00, 0x30),
             Hex("01c4ffff00d5ffff03abffff03acffff01b2ffff01b3ffff"
                 "01b4ffff01cbffff01bbffff01bcffff01c3ffffffffffff"));
}

void TestDtmfDecoderInitDlg::editKeys_data() {
    QTest::addColumn<QString>("text"); // set first
    QTest::addColumn<Input>("how");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("step"); // then stepped when non-zero
    QTest::addColumn<QString>("shown");
    QTest::newRow("typed: hex digits, upper case") << "" << Input::Keys << "1g-fe" << 0 << "1FE";
    QTest::newRow("pasted: nothing but hex digits") << "12" << Input::Paste << "zq-" << 0 << "12";
    QTest::newRow("composed: at most four") << "" << Input::InputMethod << "ab12345" << 0 << "AB12";
    QTest::newRow("ffff up") << "ffff" << Input::Keys << "" << 1 << "0";
    QTest::newRow("0 down") << "0" << Input::Keys << "" << -1 << "ffff";
    QTest::newRow("9 up") << "9" << Input::Keys << "" << 1 << "a";
}

void TestDtmfDecoderInitDlg::editKeys() {
    QFETCH(QString, text);
    QFETCH(Input, how);
    QFETCH(QString, typed);
    QFETCH(int, step);
    QFETCH(QString, shown);
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    CSpinEdit* edit = dialog.Edit(step ? 3 : 10);
    edit->setFocus();
    edit->SetText(text);
    EnterText(edit, typed, how);
    if (step)
        edit->stepBy(step);
    QCOMPARE(edit->Text(), shown);
}

void TestDtmfDecoderInitDlg::readFromRadio() {
    TestHome home;
    AutoResponder answers;
    const MemoryImage radioMemory = PatternedRadioMemory();
    SimulatedRadio radio(radioMemory);
    QVERIFY(radio.Start(home));
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    dialog.OnReadData();
    QCOMPARE(answers.messages, QStringList{"读数据成功"});
    // The radio's tag bytes come in as they are.
    QCOMPARE(ImageBytes(g_image, 0x3E00, 0x30), ImageBytes(radioMemory, 0x3E00, 0x30));
    QCOMPARE(ImageBytes(g_image, 0x3E30, 0x10), QByteArray(0x10, '\0'));
    const int value = radioMemory.Byte(0x3E06) << 8 | radioMemory.Byte(0x3E07);
    QCOMPARE(dialog.Edit(1)->Text(), QString::number(value, 16));
    const QByteArray sent = radio.Sent();
    QVERIFY(sent.contains(Hex("523e0020")));
    QVERIFY(sent.contains(Hex("523e2010")));
}

void TestDtmfDecoderInitDlg::failedRead() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(PatternedRadioMemory(), SimulatorFault{FaultKind::BadAck, 2});
    QVERIFY(radio.Start(home));
    PutBytes(g_image, 0x3E00, Hex("01c40042"));
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    const MemoryImage before = g_image;
    dialog.OnReadData();
    QCOMPARE(answers.messages, QStringList{"通信出错"});
    QVERIFY(g_image == before);
    QCOMPARE(dialog.Edit(0)->Text(), QString("42"));
}

void TestDtmfDecoderInitDlg::writeToRadio() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(PatternedRadioMemory());
    QVERIFY(radio.Start(home));
    PutBytes(g_image, 0x3E2C, Hex("a1b2c3d4"));
    CDtmfDecoderInitDlg dialog(nullptr, g_image);
    dialog.Edit(10)->SetText("beef");
    dialog.OnWriteData();
    QCOMPARE(answers.messages, QStringList{"写数据成功"});
    const MemoryImage written = radio.simulator.Memory();
    QCOMPARE(ImageBytes(written, 0x3E28, 8), Hex("01c3beefa1b2c3d4"));
    QCOMPARE(ImageBytes(written, 0x3E00, 0x30), ImageBytes(g_image, 0x3E00, 0x30));
    const QByteArray sent = radio.Sent();
    QVERIFY(sent.contains(Hex("573e0020")));
    QVERIFY(sent.contains(Hex("573e2010")));
}

KESTRA_REGISTER_TEST(TestDtmfDecoderInitDlg);
#include "test_dtmf_decoder_init_dlg.moc"
