#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "settings_test_support.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "image/dtmf_table.h"
#include "image/field_codec.h"
#include "settings/dtmf_auto_dial_page.h"
#include "settings/dtmf_decode_page.h"
#include "settings/dtmf_dlg.h"
#include "settings/dtmf_encode_page.h"
#include "settings/field_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

constexpr int kSelfId = 1212;
constexpr int kSeparator = 1211;

void Focus(QWidget* widget, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

QString Code(CDtmfAutoDialPage* page, int row) {
    return page->Grid()->item(row, 1)->text();
}

// A new document's image with the first auto-dial codes replaced.
MemoryImage ImageWithCodes(const QStringList& codes, const QString& selfId, int separator) {
    MemoryImage image = DefaultsImage();
    for (int n = 0; n < codes.size(); ++n)
        StoreField(image, AutoDialCodeFields()[n], {.text = codes[n].toStdString()});
    StoreField(image, AutoDialFields()[0], {.text = selfId.toStdString()});
    image.SetByte(0x20DD, static_cast<uint8_t>(separator));
    return image;
}

} // namespace

class TestDtmfDlg : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { g_dtmfCallId = "100"; }
    void closingOnAnyTabStoresAllPages_data();
    void closingOnAnyTabStoresAllPages();
    void tabChangesStoreAndLoad();
    void enterAndEscNeverClose_data();
    void enterAndEscNeverClose();
    void openAndCloseStoresOnlyTheTables();
    void keyFilters_data();
    void keyFilters();
    void suffixRewrite_data();
    void suffixRewrite();
    void aniCall();
    void cellEditor_data();
    void cellEditor();
    void callIdentityKeptForTheRun();
    void newDocumentEntry();
    void closingWhileTypingLeavesTheEdit();
};

void TestDtmfDlg::closingOnAnyTabStoresAllPages_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("closeFirst");
    for (int tab = 0; tab < 3; ++tab) {
        QTest::newRow(qPrintable(QString("destroyed on tab %1").arg(tab))) << tab << false;
        QTest::newRow(qPrintable(QString("closed on tab %1").arg(tab))) << tab << true;
    }
}

void TestDtmfDlg::closingOnAnyTabStoresAllPages() {
    QFETCH(int, tab);
    QFETCH(bool, closeFirst);
    MemoryImage image = DefaultsImage();
    {
        CDtmfDlg dialog(image, nullptr);
        dialog.show();
        dialog.Tabs()->setCurrentIndex(tab);
        // Edits made after the tab was entered, so only closing can store them.
        dialog.EncodePage()->Form()->Edit(1117)->setText("12A*");
        dialog.DecodePage()->Form()->Edit(1114)->setText("99");
        dialog.DecodePage()->Form()->List(1107)->setCurrentIndex(3);
        dialog.AutoDialPage()->Grid()->item(4, 1)->setText("1234");
        if (closeFirst)
            dialog.close();
    }
    QCOMPARE(ImageBytes(image, 0x2088, 16).toHex(), QByteArray("01020a0effffffffffffffffffffffff"));
    QCOMPARE(ImageBytes(image, 0x20D0, 8).toHex(), QByteArray("0909ffffffffffff"));
    QCOMPARE(image.Byte(0x20DC), 3);
    QCOMPARE(ImageBytes(image, 0x20E0 + 64, 4).toHex(), QByteArray("01020304"));
}

void TestDtmfDlg::tabChangesStoreAndLoad() {
    MemoryImage image = DefaultsImage();
    CDtmfDlg dialog(image, nullptr);
    dialog.show();
    dialog.EncodePage()->Form()->Edit(1118)->setText("77");
    image.SetByte(0x20DC, 2); // changed behind the decode page, which loads when entered
    dialog.Tabs()->setCurrentIndex(1);
    QCOMPARE(ImageBytes(image, 0x2098, 3).toHex(), QByteArray("0707ff"));
    QCOMPARE(dialog.DecodePage()->Form()->List(1107)->currentText(), QString("禁止收发"));
    dialog.DecodePage()->Form()->Edit(1112)->setText("2.3");
    dialog.Tabs()->setCurrentIndex(2);
    QCOMPARE(image.Byte(0x20DA), 230);
    image.SetByte(0x2080, 0x22);
    dialog.Tabs()->setCurrentIndex(0);
    QCOMPARE(dialog.EncodePage()->Form()->List(1093)->currentText(), QString("15"));
}

void TestDtmfDlg::enterAndEscNeverClose_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < 3; ++tab) {
        QTest::newRow(qPrintable(QString("Esc on tab %1").arg(tab))) << int(Qt::Key_Escape) << tab;
        QTest::newRow(qPrintable(QString("Enter on tab %1").arg(tab)))
            << int(Qt::Key_Return) << tab;
    }
}

void TestDtmfDlg::enterAndEscNeverClose() {
    QFETCH(int, key);
    QFETCH(int, tab);
    MemoryImage image = DefaultsImage();
    CDtmfDlg dialog(image, nullptr);
    dialog.show();
    dialog.Tabs()->setCurrentIndex(tab);
    QWidget* target = tab == 0   ? static_cast<QWidget*>(dialog.EncodePage()->Form()->Edit(1117))
                      : tab == 1 ? static_cast<QWidget*>(dialog.DecodePage()->Form()->List(1107))
                                 : static_cast<QWidget*>(dialog.AutoDialPage()->CallIdEdit());
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
    QVERIFY(dialog.isVisible());
}

void TestDtmfDlg::openAndCloseStoresOnlyTheTables() {
    const std::vector<const std::vector<FieldSpec>*> tables = {
        &DtmfEncodeFields(), &DtmfDecodeFields(), &AutoDialFields(), &AutoDialCodeFields()};
    const auto owned = OwnedMasks(tables);
    for (unsigned seed : {5u, 41u}) {
        const MemoryImage before = RandomImage(seed);
        MemoryImage expected = before;
        for (const auto* table : tables) {
            auto states = LoadFields(expected, *table);
            StoreFields(expected, *table, states);
        }
        MemoryImage image = before;
        { CDtmfDlg dialog(image, nullptr); }
        for (int offset = 0; offset < kImageSize; ++offset) {
            QCOMPARE(image.Byte(offset) & ~owned[offset], before.Byte(offset) & ~owned[offset]);
            QVERIFY2(image.Byte(offset) == expected.Byte(offset),
                     qPrintable(QString::number(offset, 16)));
        }
        // Bits 0-2 and 5-7 of 0x2049 belong to the optional features.
        QCOMPARE(image.Byte(0x2049) & 0xE7, before.Byte(0x2049) & 0xE7);
    }
}

void TestDtmfDlg::keyFilters_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("id"); // 1210 call ID, 1115 cell editor
    QTest::addColumn<Input>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const Input keys = Input::Keys, paste = Input::Paste, composed = Input::InputMethod;
    QTest::newRow("PTT ID upper-cased, E and x dropped") << 0 << 1117 << keys << "12a*#ex"
                                                         << "12A*#";
    QTest::newRow("PTT ID pasted, at most 16") << 0 << 1118 << paste << "0123456789abcd*#12"
                                               << "0123456789ABCD*#";
    QTest::newRow("first-digit delay: digits, at most 4")
        << 0 << 1094 << keys << "12a.34567890123456789"
        << "1234";
    QTest::newRow("wait time: 4, 5, 6 typed gives 45") << 0 << 1121 << keys << "456"
                                                       << "45";
    QTest::newRow("wait time takes anything") << 0 << 1121 << composed << "x9"
                                              << "x9";
    QTest::newRow("kill code composed, filtered") << 1 << 1108 << composed << "1b#x"
                                                  << "1B#";
    QTest::newRow("alarm code upper-cased, unfiltered") << 1 << 1114 << keys << "1bx?"
                                                        << "1BX?";
    QTest::newRow("decode time pasted, digits only") << 1 << 1112 << paste << "2.5"
                                                     << "25";
    QTest::newRow("self ID pasted, digits, at most 7") << 2 << kSelfId << paste << "12a*34567890"
                                                       << "1234567";
    QTest::newRow("call ID DTMF keys") << 2 << 1210 << keys << "1a*z#"
                                       << "1A*#";
    QTest::newRow("cell editor pasted, DTMF keys") << 2 << 1115 << paste << "d#q5"
                                                   << "D#5";
}

void TestDtmfDlg::keyFilters() {
    QFETCH(int, page);
    QFETCH(int, id);
    QFETCH(Input, how);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    MemoryImage image = DefaultsImage();
    CDtmfDlg dialog(image, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.Tabs()->setCurrentIndex(page);
    QWidget* target = nullptr;
    QLineEdit* edit = nullptr;
    CDtmfAutoDialPage* autoDial = dialog.AutoDialPage();
    if (id == 1210) {
        target = edit = autoDial->CallIdEdit();
    } else if (id == 1115) {
        autoDial->Grid()->setCurrentCell(1, 1);
        autoDial->OpenCellEditor();
        target = edit = autoDial->CellEditor();
    } else {
        CFieldForm* form = page == 0   ? dialog.EncodePage()->Form()
                           : page == 1 ? dialog.DecodePage()->Form()
                                       : autoDial->Form();
        edit = form->Edit(id);
        target = form->Control(id); // a spin forwards its keys to its edit
    }
    QVERIFY(edit && target);
    target->setFocus();
    edit->clear();
    EnterText(target, text, how);
    QCOMPARE(edit->text(), shown);
}

void TestDtmfDlg::suffixRewrite_data() {
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("action"); // "sep N" or "self TEXT"
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("selfAfter");
    const QStringList codes = {"100A123", "555", "", "A123", "9A1234", "123"};
    QTest::newRow("separator changed to #")
        << codes << "sep 5" << QStringList{"100#123", "555", "", "#123", "9A1234", "123"} << "123";
    QTest::newRow("self ID 123 changed to 45")
        << codes << "self 45" << QStringList{"100A45", "555", "", "A45", "9A1234", "123"} << "45";
    QTest::newRow("self ID emptied gets the old one back") << codes << "self " << codes << "123";
    QTest::newRow("lower-case suffix is not the old one")
        << QStringList{"100a123"} << "sep 1" << QStringList{"100a123"} << "123";
}

void TestDtmfDlg::suffixRewrite() {
    QFETCH(QStringList, codes);
    QFETCH(QString, action);
    QFETCH(QStringList, after);
    QFETCH(QString, selfAfter);
    MemoryImage image = ImageWithCodes(codes, "123", 10);
    CDtmfDlg dialog(image, nullptr);
    dialog.Tabs()->setCurrentIndex(2);
    CDtmfAutoDialPage* page = dialog.AutoDialPage();
    for (int n = 0; n < codes.size(); ++n) // "a" is no code: set the text behind the image
        page->Grid()->item(n, 1)->setText(codes[n]);
    if (action.startsWith("sep")) {
        QComboBox* separator = page->Form()->List(kSeparator);
        Focus(separator, QEvent::FocusIn);
        separator->setCurrentIndex(action.mid(4).toInt());
        emit separator->activated(separator->currentIndex());
    } else {
        QLineEdit* self = page->Form()->Edit(kSelfId);
        Focus(self, QEvent::FocusIn);
        self->setText(action.mid(5));
        Focus(self, QEvent::FocusOut);
    }
    for (int n = 0; n < after.size(); ++n)
        QCOMPARE(Code(page, n), after[n]);
    QCOMPARE(page->Form()->Edit(kSelfId)->text(), selfAfter);
}

void TestDtmfDlg::aniCall() {
    MemoryImage image = ImageWithCodes({}, "123", 14);
    {
        CDtmfDlg dialog(image, nullptr);
        CDtmfAutoDialPage* page = dialog.AutoDialPage();
        dialog.Tabs()->setCurrentIndex(2);
        page->Grid()->setCurrentCell(3, 1);
        page->AniButton()->click();
        QCOMPARE(Code(page, 3), QString("100*123"));
    }
    QCOMPARE(ImageBytes(image, 0x20E0 + 48, 8).toHex(), QByteArray("0100000e010203ff"));
}

void TestDtmfDlg::cellEditor_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("cell");
    QTest::newRow("Enter commits") << 1 << int(Qt::Key_Return) << "12AB";
    QTest::newRow("Esc commits as well") << 1 << int(Qt::Key_Escape) << "12AB";
    QTest::newRow("index column opens no editor") << 0 << int(Qt::Key_Return) << "";
}

void TestDtmfDlg::cellEditor() {
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(QString, cell);
    MemoryImage image = ImageWithCodes({}, "123", 10);
    CDtmfDlg dialog(image, nullptr);
    dialog.show();
    dialog.Tabs()->setCurrentIndex(2);
    CDtmfAutoDialPage* page = dialog.AutoDialPage();
    page->Grid()->setCurrentCell(6, column);
    QTest::keyClick(page->Grid(), Qt::Key_Return);
    QCOMPARE(page->CellEditor()->isVisible(), column == 1);
    if (column == 1) {
        QTest::keyClicks(page->CellEditor(), "12ab");
        QTest::keyClick(page->CellEditor(), static_cast<Qt::Key>(key));
        QVERIFY(!page->CellEditor()->isVisible());
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(Code(page, 6), cell);
}

void TestDtmfDlg::callIdentityKeptForTheRun() {
    MemoryImage image = DefaultsImage();
    QCOMPARE(g_dtmfCallId, QString("100"));
    {
        CDtmfDlg dialog(image, nullptr);
        dialog.AutoDialPage()->CallIdEdit()->setText("5*7");
    }
    QCOMPARE(g_dtmfCallId, QString("5*7"));
    CDtmfDlg again(image, nullptr);
    QCOMPARE(again.AutoDialPage()->CallIdEdit()->text(), QString("5*7"));
}

void TestDtmfDlg::newDocumentEntry() {
    MemoryImage image = DefaultsImage();
    CDtmfDlg dialog(image, nullptr);
    QCOMPARE(Code(dialog.AutoDialPage(), 0), QString("100*100"));
    QCOMPARE(Code(dialog.AutoDialPage(), 1), QString());
    QCOMPARE(dialog.AutoDialPage()->Form()->Edit(kSelfId)->text(), QString("100"));
    QCOMPARE(dialog.AutoDialPage()->Form()->List(kSeparator)->currentText(), QString("*"));
}

void TestDtmfDlg::closingWhileTypingLeavesTheEdit() {
    MemoryImage image = DefaultsImage();
    {
        CDtmfDlg dialog(image, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.Tabs()->setCurrentIndex(2);
        QLineEdit* self = dialog.AutoDialPage()->Form()->Edit(kSelfId);
        self->setFocus();
        self->selectAll();
        QTest::keyClicks(self, "45");
        dialog.close();
    }
    // Leaving the own identity rewrote the entry that ended with the old one.
    QCOMPARE(ImageBytes(image, 0x20B0, 3).toHex(), QByteArray("0405ff"));
    QCOMPARE(ImageBytes(image, 0x20E0, 7).toHex(), QByteArray("0100000e0405ff"));
}

KESTRA_REGISTER_TEST(TestDtmfDlg);
#include "test_dtmf_dlg.moc"
