#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "channels/program_view.h"
#include "image/fm_receiver_region.h"
#include "image/memory_image.h"
#include "settings/fm_receiver_dlg.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

int EntryOffset(int n) {
    return kFmChannelTable + (n - 1) * kFmEntrySize;
}

MemoryImage ErasedImage() {
    MemoryImage image;
    image.FillAll(0xFF);
    return image;
}

QString Cell(const CFmReceiverDlg& dialog, int n, int column = 1) {
    return dialog.Grid()->item(n - 1, column)->text();
}

// Presses the left button over grid row n, column `column`.
void PressCell(CFmReceiverDlg& dialog, int n, int column) {
    QTableWidget* grid = dialog.Grid();
    const QRect rect = grid->visualItemRect(grid->item(n - 1, column));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestFmReceiverDlg : public QObject {
    Q_OBJECT
  private slots:
    void currentChannel_data();
    void currentChannel();
    void currentFrequencyLeavingEdit_data();
    void currentFrequencyLeavingEdit();
    void cellEditor_data();
    void cellEditor();
    void pressOnChannelNumberEditsFrequency();
    void enterAndEscapeSwallowed_data();
    void enterAndEscapeSwallowed();
    void currentCellMarked();
    void closeWritesOnlyItsFields();
    void fromTheView();
};

void TestFmReceiverDlg::currentChannel_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1") << 1 << "1";
    QTest::newRow("2 is not 20") << 2 << "2";
    QTest::newRow("20") << 20 << "20";
    QTest::newRow("0 falls back") << 0 << "1";
    QTest::newRow("21 falls back") << 21 << "1";
    QTest::newRow("erased falls back") << 255 << "1";
}

void TestFmReceiverDlg::currentChannel() {
    QFETCH(int, stored);
    QFETCH(QString, shown);
    MemoryImage image = ErasedImage();
    image.SetByte(kFmCurrentChannel, uint8_t(stored));
    {
        CFmReceiverDlg dialog(nullptr, image);
        QCOMPARE(dialog.ChannelList()->currentText(), shown);
        dialog.close();
    }
    QCOMPARE(int(image.Byte(kFmCurrentChannel)), shown.toInt());
}

void TestFmReceiverDlg::currentFrequencyLeavingEdit_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("typed"); // "-" keeps the loaded text
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("closed");
    QTest::addColumn<bool>("leave"); // false: closed while the edit still has the focus
    QTest::newRow("87.5 loaded") << Hex("007508") << "87.500"
                                 << "-"
                                 << "87.500" << Hex("007508") << true;
    QTest::newRow("88") << Hex("ffffff") << ""
                        << "88"
                        << "88.000" << Hex("008008") << true;
    QTest::newRow("letters are typed") << Hex("007508") << "87.500"
                                       << "ab"
                                       << "76.000" << Hex("006007") << true;
    QTest::newRow("emptied") << Hex("007508") << "87.500"
                             << ""
                             << "" << Hex("ffffff") << true;
    // Closed while typing: normalised as if the edit had been left, not stored as typed.
    QTest::newRow("120 closed while typing") << Hex("ffffff") << ""
                                             << "120"
                                             << "120" << Hex("006007") << false;
}

void TestFmReceiverDlg::currentFrequencyLeavingEdit() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, loaded);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, closed);
    QFETCH(bool, leave);
    MemoryImage image = ErasedImage();
    PutBytes(image, kFmCurrentFrequency, stored);
    CFmReceiverDlg dialog(nullptr, image);
    QLineEdit* edit = dialog.CurrentFrequencyEdit();
    QCOMPARE(edit->text(), loaded);
    QVERIFY(ShowActive(&dialog));
    edit->setFocus();
    if (typed != "-") {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
    }
    if (leave)
        QVERIFY(MoveFocus(edit, dialog.ChannelList()));
    QCOMPARE(edit->text(), shown);
    dialog.close();
    QCOMPARE(ImageBytes(image, kFmCurrentFrequency, 3), closed);
}

void TestFmReceiverDlg::cellEditor_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("endKey");
    QTest::addColumn<QString>("inEditor");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("100.1 with Enter") << "100.1" << int(Qt::Key_Return) << "100.1"
                                      << "100.100" << Hex("000110ff");
    QTest::newRow("letters filtered") << "9a8.b5" << int(Qt::Key_Return) << "98.5"
                                      << "98.500" << Hex("008509ff");
    QTest::newRow("Esc commits too") << "88" << int(Qt::Key_Escape) << "88"
                                     << "88.000" << Hex("008008ff");
    QTest::newRow("emptied") << "" << int(Qt::Key_Return) << ""
                             << "" << Hex("ffffffff");
}

void TestFmReceiverDlg::cellEditor() {
    QFETCH(QString, typed);
    QFETCH(int, endKey);
    QFETCH(QString, inEditor);
    QFETCH(QString, shown);
    QFETCH(QByteArray, entry);
    MemoryImage image = ErasedImage();
    PutBytes(image, EntryOffset(5), Hex("00900900")); // 99.000, with a stray fourth byte
    CFmReceiverDlg dialog(nullptr, image);
    QVERIFY(ShowActive(&dialog));
    QCOMPARE(Cell(dialog, 5), QString("99.000"));
    PressCell(dialog, 5, 1);
    QLineEdit* editor = dialog.CellEditor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QCOMPARE(editor->text(), QString("99.000"));
    QCOMPARE(editor->selectedText(), QString("99.000"));
    QCOMPARE(editor->geometry(), dialog.Grid()->visualItemRect(dialog.Grid()->item(4, 1)));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, typed);
    QCOMPARE(editor->text(), inEditor);
    QTest::keyClick(editor, Qt::Key(endKey));
    QVERIFY(editor->isHidden());
    QVERIFY(dialog.Grid()->hasFocus());
    QVERIFY(dialog.isVisible());
    QCOMPARE(Cell(dialog, 5), shown);
    dialog.close();
    QCOMPARE(ImageBytes(image, EntryOffset(5), 4), entry);
}

// A press on the channel number opens the editor over that row's frequency; the number
// stays a number.
void TestFmReceiverDlg::pressOnChannelNumberEditsFrequency() {
    MemoryImage image = ErasedImage();
    CFmReceiverDlg dialog(nullptr, image);
    QVERIFY(ShowActive(&dialog));
    PressCell(dialog, 3, 0);
    QLineEdit* editor = dialog.CellEditor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QString());
    QCOMPARE(editor->geometry(), dialog.Grid()->visualItemRect(dialog.Grid()->item(2, 1)));
    QTest::keyClicks(editor, "101");
    // Leaving by a press on another cell commits into the edited cell, not the pressed one.
    PressCell(dialog, 8, 1);
    QCOMPARE(Cell(dialog, 3, 0), QString("3"));
    QCOMPARE(Cell(dialog, 3), QString("101.000"));
    QCOMPARE(Cell(dialog, 8), QString());
    QVERIFY(editor->isVisible()); // now over row 8
    QCOMPARE(dialog.Grid()->currentRow(), 7);
    // Closing with the editor still open commits it.
    QTest::keyClicks(editor, "107.9");
    dialog.close();
    QCOMPARE(ImageBytes(image, EntryOffset(8), 4), Hex("007910ff"));
}

void TestFmReceiverDlg::enterAndEscapeSwallowed_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in the frequency edit") << "current" << int(Qt::Key_Return);
    QTest::newRow("Esc in the channel list") << "list" << int(Qt::Key_Escape);
    QTest::newRow("Enter in the grid") << "grid" << int(Qt::Key_Return);
    QTest::newRow("Esc in the grid") << "grid" << int(Qt::Key_Escape);
}

void TestFmReceiverDlg::enterAndEscapeSwallowed() {
    QFETCH(QString, target);
    QFETCH(int, key);
    MemoryImage image = ErasedImage();
    CFmReceiverDlg dialog(nullptr, image);
    QVERIFY(ShowActive(&dialog));
    QWidget* widget = target == "current" ? static_cast<QWidget*>(dialog.CurrentFrequencyEdit())
                      : target == "list"  ? static_cast<QWidget*>(dialog.ChannelList())
                                          : static_cast<QWidget*>(dialog.Grid());
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key(key));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(image.Byte(kFmCurrentChannel), uint8_t(0xFF)); // nothing stored yet
}

void TestFmReceiverDlg::currentCellMarked() {
    MemoryImage image = ErasedImage();
    CFmReceiverDlg dialog(nullptr, image);
    QTableWidget* grid = dialog.Grid();
    const QColor plain = grid->item(0, 1)->foreground().color();
    grid->setCurrentCell(1, 1);
    QCOMPARE(grid->item(1, 1)->foreground().color(), QColor(Qt::red));
    grid->setCurrentCell(4, 0);
    QCOMPARE(grid->item(4, 0)->foreground().color(), QColor(Qt::red));
    QCOMPARE(grid->item(1, 1)->foreground().color(), plain);
    QVERIFY(plain != QColor(Qt::red));
}

void TestFmReceiverDlg::closeWritesOnlyItsFields() {
    MemoryImage image;
    image.FillAll(0x5A);
    const MemoryImage before = image;
    {
        CFmReceiverDlg dialog(nullptr, image);
        dialog.close();
    }
    // 0x5A bytes decode to 5A5A5A -> 656565 kHz, out of band: every field becomes unset.
    QCOMPARE(ImageBytes(image, kFmCurrentFrequency, 8), Hex("ffffff5a015a5a5a"));
    for (int n = 1; n <= kFmChannelCount; ++n)
        QCOMPARE(ImageBytes(image, EntryOffset(n), 4), Hex("ffffffff"));
    for (int offset = 0; offset < kImageSize; ++offset)
        if (offset < kFmCurrentFrequency || offset >= EntryOffset(kFmChannelCount + 1))
            QCOMPARE(image.Byte(offset), before.Byte(offset));
}

void TestFmReceiverDlg::fromTheView() {
    TestHome home;
    g_image.FillAll(0xFF);
    CProgramView view;
    const bool opened =
        WithModalDialog([&] { view.OnFmReceiver(); },
                        [](QDialog* dialog) {
                            auto* fm = qobject_cast<CFmReceiverDlg*>(dialog);
                            QVERIFY(fm);
                            fm->ChannelList()->setCurrentIndex(fm->ChannelList()->findText("7"));
                            fm->CurrentFrequencyEdit()->setText("98.1");
                        });
    QVERIFY(opened);
    QCOMPARE(ImageBytes(g_image, kFmCurrentFrequency, 5), Hex("008109ff07"));
}

KESTRA_REGISTER_TEST(TestFmReceiverDlg);
#include "test_fm_receiver_dlg.moc"
