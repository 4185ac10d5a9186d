#include "../app/app_test_support.h"
#include "../channels/channel_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "channels/program_view.h"
#include "image/band_limits.h"
#include "image/fm_receiver_region.h"
#include "image/new_document.h"
#include "settings/fm_receiver_dlg.h"
#include "settings/model_info_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

// Presses the left button over the broadcast receiver's grid row n, column `column`.
void PressCell(CFmReceiverDlg* dialog, int n, int column) {
    QTableWidget* grid = dialog->Grid();
    const QPoint at = grid->visualItemRect(grid->item(n - 1, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
}

QString Limits(const CModelInfoDlg& dialog, int band) {
    return dialog.LimitEdit(band, false)->text() + "-" + dialog.LimitEdit(band, true)->text();
}

} // namespace

class TestRadioDialogs : public QObject {
    Q_OBJECT
  private slots:
    void fmReceiverFromTheView();
    void modelInfoFromTheView();
};

// The current frequency edit takes any character and is corrected when left; a press on a
// channel number or frequency opens the editor over that row's frequency, which corrects its
// text when it closes; Enter and Esc do not close the dialog; closing stores, also the text
// of the open editor.
void TestRadioDialogs::fmReceiverFromTheView() {
    TestHome home;
    g_image.FillAll(0xFF);
    g_image.SetByte(kFmCurrentChannel, 20);
    PutBytes(g_image, kFmCurrentFrequency, Hex("007508"));
    PutBytes(g_image, kFmChannelTable + 2 * kFmEntrySize, Hex("00900900")); // stray 4th byte
    CProgramView view;
    QStringList shown;
    const auto edit = [&shown](QDialog* dialog) {
        auto* fm = qobject_cast<CFmReceiverDlg*>(dialog);
        QVERIFY(ShowActive(fm));
        QLineEdit* current = fm->CurrentFrequencyEdit();
        shown << fm->ChannelList()->currentText() << current->text();
        Retype(current, "ab");
        QVERIFY(MoveFocus(current, fm->ChannelList()));
        QTest::keyClicks(fm->ChannelList(), "7");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(fm->ChannelList(), key);
        PressCell(fm, 3, 0);
        shown << current->text() << fm->CellEditor()->selectedText();
        QTest::keyClicks(fm->CellEditor(), "1a01x.23456");
        shown << fm->CellEditor()->text();
        QTest::keyClick(fm->CellEditor(), Qt::Key_Return);
        shown << fm->Grid()->item(2, 0)->text() << fm->Grid()->item(2, 1)->text();
        PressCell(fm, 8, 1);
        QCOMPARE(fm->Grid()->item(7, 1)->foreground().color(), QColor(Qt::red)); // current
        QTest::keyClicks(fm->CellEditor(), "88");
    };
    QVERIFY(WithModalDialog([&view] { view.OnFmReceiver(); }, edit));
    QCOMPARE(shown.join(' '), QString("20 87.500 76.000 99.000 101.234 3 101.234"));
    QCOMPARE(ImageBytes(g_image, kFmCurrentFrequency, 5), Hex("006007ff07"));
    QCOMPARE(ImageBytes(g_image, kFmChannelTable + 2 * kFmEntrySize, 4), Hex("341210ff"));
    QCOMPARE(ImageBytes(g_image, kFmChannelTable + 7 * kFmEntrySize, 4), Hex("008008ff"));
}

// The view commits its grid and opens the dialog. Leaving a limit edit runs its own rule,
// Enter and Esc do nothing; closing runs the focused edit's rule, then the lower rule of both
// bands, and stores both bands; the view reloads its grid with the new limits (row 1 leaves
// band A).
void TestRadioDialogs::modelInfoFromTheView() {
    TestHome home;
    g_radioType = "UV-K";
    BuildNewDocumentImage(g_image, "/nonexistent/Default.dat");
    g_bandLimits.low[1] = 18000000;
    g_bandLimits.high[1] = 25099999; // shown in whole MHz
    CProgramView view;
    for (auto [row, text] : {std::pair(1, "171"), std::pair(2, "145"), std::pair(3, "160")})
        view.CommitEditorText(row, kColRxFreq, text);
    QStringList shown;
    const auto edit = [&shown](QDialog* dialog) {
        auto* info = qobject_cast<CModelInfoDlg*>(dialog);
        QVERIFY(ShowActive(info));
        QLineEdit* lower = info->LimitEdit(0, false);
        QLineEdit* upper = info->LimitEdit(0, true);
        shown << info->ModelEdit()->text() << (info->ModelEdit()->isReadOnly() ? "read-only" : "")
              << Limits(*info, 1);
        Retype(lower, "150");
        Retype(upper, "4a5.0x"); // digits only, at most three
        shown << Limits(*info, 0);
        QVERIFY(MoveFocus(upper, lower));
        shown << Limits(*info, 0);
        Retype(lower, "180");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(lower, key);
        shown << Limits(*info, 0);
        Retype(upper, "170"); // focused when the dialog closes
        shown << Limits(*info, 0) << QString::number(g_bandLimits.high[0]);
    };
    QVERIFY(WithModalDialog([&view] { view.OnModelInfo(); }, edit));
    QCOMPARE(shown.join(' '),
             QString("UV-K read-only 180-250 150-450 400-450 180-450 400-170 17400000"));
    QCOMPARE(ImageBytes(g_image, kBandBlock, 16).toHex(),
             QByteArray("00006013000000170000002000000025"));
    QCOMPARE(view.CellText(1, kColRxFreq) + " " + view.CellText(2, kColRxFreq) + " " +
                 view.CellText(3, kColRxFreq),
             QString(" 145.00000 160.00000"));
}

KESTRA_REGISTER_TEST(TestRadioDialogs);
#include "test_radio_dialogs.moc"
