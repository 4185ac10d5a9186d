#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "channels/program_view.h"
#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/memory_image.h"
#include "image/new_document.h"
#include "settings/model_info_dlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

namespace {

void SetLimits(CModelInfoDlg& dialog, int band, const QString& low, const QString& high) {
    dialog.LimitEdit(band, false)->setText(low);
    dialog.LimitEdit(band, true)->setText(high);
}

QString Limits(const CModelInfoDlg& dialog, int band) {
    return dialog.LimitEdit(band, false)->text() + "-" + dialog.LimitEdit(band, true)->text();
}

void AddChannel(MemoryImage& image, int record, int32_t frequency) {
    ChannelRecord r = ChannelRecord::Cleared();
    r.SetRxFreq(frequency);
    r.SetTxFreq(frequency);
    r.Store(image, record);
}

} // namespace

class TestModelInfoDlg : public QObject {
    Q_OBJECT
  private slots:
    void showsTypeAndWorkingLimits();
    void leavingAnEdit_data();
    void leavingAnEdit();
    void close_data();
    void close();
    void keyFilter_data();
    void keyFilter();
    void enterAndEscapeSwallowed_data();
    void enterAndEscapeSwallowed();
    void narrowingBandAHidesChannels();
};

void TestModelInfoDlg::showsTypeAndWorkingLimits() {
    MemoryImage image;
    BandLimits limits;
    limits.low[1] = 43000000;
    limits.high[1] = 43999999; // shown in whole MHz
    CModelInfoDlg dialog(nullptr, image, limits, "KT-8000 UV long type text");
    QVERIFY(dialog.ModelEdit()->isReadOnly());
    QCOMPARE(dialog.ModelEdit()->text(), QString("KT-8000 UV long type text"));
    QCOMPARE(Limits(dialog, 0), QString("136-174"));
    QCOMPARE(Limits(dialog, 1), QString("430-439"));
    QCOMPARE(ImageBytes(image, kBandBlock, 16), QByteArray(16, '\0')); // nothing read or written
}

void TestModelInfoDlg::leavingAnEdit_data() {
    QTest::addColumn<bool>("upperEdit");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower left: 180 with 250") << false << "180"
                                              << "250"
                                              << "200-250";
    QTest::newRow("upper left: 100 with 460") << true << "100"
                                              << "460"
                                              << "400-460";
}

void TestModelInfoDlg::leavingAnEdit() {
    QFETCH(bool, upperEdit);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, shown);
    MemoryImage image;
    BandLimits limits;
    CModelInfoDlg dialog(nullptr, image, limits, {});
    QVERIFY(ShowActive(&dialog));
    for (int band = 0; band < 2; ++band) {
        SetLimits(dialog, band, low, high);
        QLineEdit* edit = dialog.LimitEdit(band, upperEdit);
        edit->setFocus();
        QVERIFY(MoveFocus(edit, dialog.ModelEdit()));
        QCOMPARE(Limits(dialog, band), shown);
    }
    QCOMPARE(limits.low[0], 13600000); // the working limits wait for the close
}

void TestModelInfoDlg::close_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<int>("focused"); // -1 none, 0 lower, 1 upper edit still in focus
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("block"); // the band's 8 bytes of the band block
    QTest::newRow("band B 400-480") << 1 << "400"
                                    << "480" << -1 << "400-480" << Hex("0000004000000048");
    QTest::newRow("band A 144-148") << 0 << "144"
                                    << "148" << -1 << "144-148" << Hex("0000401400008014");
    // The upper edit still has the focus: its rule runs before the close's lower rule.
    QTest::newRow("upper typed, then closed") << 0 << "144"
                                              << "450" << 1 << "400-450" << Hex("0000004000000045");
    QTest::newRow("lower typed, then closed") << 0 << "450"
                                              << "150" << 0 << "450-520" << Hex("0000004500000052");
}

void TestModelInfoDlg::close() {
    QFETCH(int, band);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(int, focused);
    QFETCH(QString, shown);
    QFETCH(QByteArray, block);
    MemoryImage image;
    image.FillAll(0xFF);
    BandLimits limits;
    CModelInfoDlg dialog(nullptr, image, limits, {});
    QVERIFY(ShowActive(&dialog));
    SetLimits(dialog, band, low, high);
    if (focused >= 0)
        dialog.LimitEdit(band, focused == 1)->setFocus();
    dialog.close();
    QCOMPARE(Limits(dialog, band), shown);
    const QStringList mhz = shown.split('-');
    QCOMPARE(limits.low[band], mhz[0].toInt() * 100000);
    QCOMPARE(limits.high[band], mhz[1].toInt() * 100000);
    QCOMPARE(ImageBytes(image, kBandBlock + band * 8, 8), block);
    // The other band is written too, unchanged; nothing beyond the block.
    const BandLimits start;
    QCOMPARE(limits.low[1 - band], start.low[1 - band]);
    QCOMPARE(image.Frequency(kBandBlock + (1 - band) * 8), start.low[1 - band]);
    QCOMPARE(image.Byte(kBandBlock - 1), uint8_t(0xFF));
    QCOMPARE(image.Byte(kBandBlock + 16), uint8_t(0xFF));
}

void TestModelInfoDlg::keyFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("three digits, nothing else") << "1a-4.x56"
                                                << "145";
}

void TestModelInfoDlg::keyFilter() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    MemoryImage image;
    BandLimits limits;
    CModelInfoDlg dialog(nullptr, image, limits, {});
    QLineEdit* edit = dialog.LimitEdit(1, true);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), text);
    // Pasted text brings no more in than typing would.
    edit->clear();
    QGuiApplication::clipboard()->setText(typed);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), text);
}

void TestModelInfoDlg::enterAndEscapeSwallowed_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestModelInfoDlg::enterAndEscapeSwallowed() {
    QFETCH(int, key);
    MemoryImage image;
    BandLimits limits;
    CModelInfoDlg dialog(nullptr, image, limits, {});
    QVERIFY(ShowActive(&dialog));
    QLineEdit* edit = dialog.LimitEdit(0, false);
    edit->setFocus();
    SetLimits(dialog, 0, "180", "250");
    QTest::keyClick(edit, Qt::Key(key));
    QVERIFY(dialog.isVisible());
    QVERIFY(edit->hasFocus());
    QCOMPARE(Limits(dialog, 0), QString("180-250")); // no focus change, so no rule yet
    QCOMPARE(limits.low[0], 13600000);
}

// Through the view: it commits, runs the dialog, and reloads the grid with the new limits.
void TestModelInfoDlg::narrowingBandAHidesChannels() {
    TestHome home;
    g_radioType = "UV-K";
    BuildNewDocumentImage(g_image, "/nonexistent/Default.dat");
    AddChannel(g_image, 1, 15000000);
    AddChannel(g_image, 2, 14500000);
    AddChannel(g_image, 130, 43500000);
    CProgramView view;
    view.CommitEditorText(3, kColRxFreq, "145.5"); // pending in the grid, committed first
    QCOMPARE(view.CellText(1, kColRxFreq), QString("150.00000"));
    QString modelShown;
    const bool opened = WithModalDialog([&] { view.OnModelInfo(); },
                                        [&](QDialog* dialog) {
                                            auto* model = qobject_cast<CModelInfoDlg*>(dialog);
                                            QVERIFY(model);
                                            modelShown = model->ModelEdit()->text();
                                            SetLimits(*model, 0, "144", "146");
                                        });
    QVERIFY(opened);
    QCOMPARE(modelShown, QString("UV-K"));
    QCOMPARE(g_bandLimits.low[0], 14400000);
    QCOMPARE(g_bandLimits.high[0], 14600000);
    QCOMPARE(ImageBytes(g_image, kBandBlock, 8), Hex("0000401400006014"));
    QCOMPARE(view.CellText(1, kColRxFreq), QString());
    QCOMPARE(view.CellText(2, kColRxFreq), QString("145.00000"));
    QCOMPARE(view.CellText(3, kColRxFreq), QString("145.50000"));
    QCOMPARE(view.CellText(130, kColRxFreq), QString("435.00000"));
    view.CommitGrid();
    QCOMPARE(ImageBytes(g_image, RecordOffset(1), 4), Hex("ffffffff"));
    QCOMPARE(ChannelRecord::Load(g_image, 2).RxFreq(), 14500000);
}

KESTRA_REGISTER_TEST(TestModelInfoDlg);
#include "test_model_info_dlg.moc"
