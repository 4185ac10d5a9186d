#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/transfer_dlg.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/new_document.h"
#include "link/radio_simulator.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A radio with a few channels of its own.
MemoryImage RadioImage() {
    MemoryImage image;
    BuildNewDocumentImage(image, "/nonexistent");
    for (int record : {1, 2, 129}) {
        ChannelRecord r = ChannelRecord::Load(image, record);
        r.SetRxFreq(record < 129 ? 14500000 + record * 2500 : 43500000);
        r.SetTxFreq(r.RxFreq());
        r.Store(image, record);
    }
    for (int i = 0x3F70; i < 0x4000; ++i)
        image.SetByte(i, static_cast<uint8_t>(i));
    return image;
}

bool InRanges(int offset, const TransferRequest& request) {
    for (const TransferRange& r : {request.first, request.second})
        if (offset >= r.start && offset < r.end)
            return true;
    return false;
}

// Presses "开始" once the modal dialog is up.
void StartWhenShown() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget()))
            dialog->OnStart();
    });
}

} // namespace

class TestTransferDlg : public QObject {
    Q_OBJECT
  private slots:
    void dialogStates();
    void readReloadsGrid();
    void failedReadLeavesImageAndGrid_data();
    void failedReadLeavesImageAndGrid();
    void writeSendsTheGrid();
    void secondStartIsIgnored();
    void eachStartBeginsUnsuccessful();
};

void TestTransferDlg::dialogStates() {
    TestHome home;
    const std::pair<CTransferDlg::Kind, int> kinds[] = {{CTransferDlg::Kind::Read, 389},
                                                        {CTransferDlg::Kind::Write, 389},
                                                        {CTransferDlg::Kind::Initialise, 512}};
    const QString titles[] = {"读数据", "写数据", "初始化数据"};
    for (int i = 0; i < 3; ++i) {
        CTransferDlg dialog(nullptr, kinds[i].first);
        QCOMPARE(dialog.windowTitle(), titles[i]);
        QCOMPARE(dialog.ProgressMaximum(), kinds[i].second);
        QCOMPARE(dialog.PercentText(), QString("0%"));
        QCOMPARE(dialog.StartButton()->text(), QString("开始"));
        QVERIFY(dialog.StartButton()->isEnabled() && dialog.ExitButton()->isEnabled());
    }
}

void TestTransferDlg::readReloadsGrid() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(RadioImage());
    QVERIFY(radio.Start(home));
    BuildNewDocumentImage(g_image, "/nonexistent");
    CProgramView view;
    QCOMPARE(view.CellText(1, kColRxFreq), QString());
    StartWhenShown();
    view.OnReadFromRadio();
    QVERIFY(answers.messages.isEmpty()); // a complete clone read closes silently
    const MemoryImage radioMemory = radio.simulator.Memory();
    for (int offset = 0; offset < kImageSize; ++offset)
        if (InRanges(offset, ReadRequest()) && (offset < 0x2E10 || offset >= 0x2E20))
            QCOMPARE(int(g_image.Byte(offset)), int(radioMemory.Byte(offset)));
    // The radio's erased band block was filled in from its identification.
    QCOMPARE(ImageBytes(g_image, 0x2E10, 16), Hex("00006013000040170000004000000048"));
    QCOMPARE(view.CellText(1, kColRxFreq), QString("145.02500"));
    QCOMPARE(view.CellText(129, kColRxFreq), QString("435.00000"));
}

void TestTransferDlg::failedReadLeavesImageAndGrid_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("block");
    QTest::newRow("silent radio") << int(FaultKind::Silent) << 0;
    QTest::newRow("wrong acknowledge mid-read") << int(FaultKind::BadAck) << 100;
    QTest::newRow("hang-up mid-read") << int(FaultKind::HangUp) << 200;
}

void TestTransferDlg::failedReadLeavesImageAndGrid() {
    QFETCH(int, fault);
    QFETCH(int, block);
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(RadioImage(), SimulatorFault{static_cast<FaultKind>(fault), block});
    QVERIFY(radio.Start(home));
    BuildNewDocumentImage(g_image, "/nonexistent");
    CProgramView view;
    view.CommitEditorText(5, kColRxFreq, "150");
    const QByteArray before = ImageBytes(g_image, 0, kImageSize);
    StartWhenShown();
    view.OnReadFromRadio();
    QCOMPARE(answers.messages, QStringList{"通信出错"});
    QCOMPARE(ImageBytes(g_image, 0, kImageSize), before);
    QCOMPARE(view.CellText(5, kColRxFreq), QString("150.00000"));
    QVERIFY(!g_transferBusy);
}

void TestTransferDlg::writeSendsTheGrid() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(RadioImage());
    QVERIFY(radio.Start(home));
    BuildNewDocumentImage(g_image, "/nonexistent");
    CProgramView view;
    view.CommitEditorText(7, kColRxFreq, "146.5");
    StartWhenShown();
    view.OnWriteToRadio();
    QVERIFY(answers.messages.isEmpty());
    const MemoryImage radioMemory = radio.simulator.Memory();
    QCOMPARE(ChannelRecord::Load(radioMemory, 7).RxFreq(), 14650000);
    for (int offset = 0; offset < kImageSize; ++offset)
        if (InRanges(offset, WriteRequest()))
            QCOMPARE(int(radioMemory.Byte(offset)), int(g_image.Byte(offset)));
    // The calibration stretch is not sent by a write.
    QCOMPARE(int(radioMemory.Byte(0x3F00)), int(RadioImage().Byte(0x3F00)));
}

void TestTransferDlg::secondStartIsIgnored() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(RadioImage());
    QVERIFY(radio.Start(home));
    BuildNewDocumentImage(g_image, "/nonexistent");
    CTransferDlg dialog(nullptr, CTransferDlg::Kind::Write);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.OnStart();
    dialog.OnStart();
    dialog.reject(); // ignored while the transfer runs
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QVERIFY(answers.messages.isEmpty());
    QVERIFY(dialog.Succeeded());
    // One session on the line: a single program request.
    const QByteArray received = radio.Sent();
    QCOMPARE(received.count(QByteArray("\x02PROGRAM")), 1);
    QVERIFY(!g_transferBusy);
}

void TestTransferDlg::eachStartBeginsUnsuccessful() {
    TestHome home;
    AutoResponder answers;
    SimulatedRadio radio(RadioImage());
    QVERIFY(radio.Start(home));
    BuildNewDocumentImage(g_image, "/nonexistent");
    CTransferDlg dialog(nullptr, CTransferDlg::Kind::Initialise);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.OnStart();
    QTRY_COMPARE_WITH_TIMEOUT(answers.messages, QStringList{"初始化数据成功"}, 20000);
    QTRY_VERIFY(!g_transferBusy);
    QVERIFY(dialog.Succeeded());
    // The same dialog initialises a second radio that is not there.
    g_portName = "COM2";
    dialog.OnStart();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(answers.messages.last(), QString("无法打开串口"));
    QVERIFY(!dialog.Succeeded());
}

KESTRA_REGISTER_TEST(TestTransferDlg);
#include "test_transfer_dlg.moc"
