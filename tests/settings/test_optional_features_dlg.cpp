#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "settings_test_support.h"

#include "app/app_globals.h"
#include "app/main_frame.h"
#include "app/step_spin_edit.h"
#include "image/field_codec.h"
#include "image/new_document.h"
#include "image/optional_features_table.h"
#include "settings/dtmf_dlg.h"
#include "settings/field_form.h"
#include "settings/optional_features_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class TestOptionalFeaturesDlg : public QObject {
    Q_OBJECT
  private slots:
    void everyWayOfClosingStores_data();
    void everyWayOfClosingStores();
    void openAndCloseStoresOnlyTheTable_data();
    void openAndCloseStoresOnlyTheTable();
    void hiddenControlsStillTakePart();
    void greetingFilter_data();
    void greetingFilter();
    void dualWatchSpinAndFocus();
    void opensFromMenu_data();
    void opensFromMenu();
};

void TestOptionalFeaturesDlg::everyWayOfClosingStores_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Esc") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("close box") << 2;
    QTest::newRow("destroyed without closing") << 3;
}

void TestOptionalFeaturesDlg::everyWayOfClosingStores() {
    QFETCH(int, way);
    MemoryImage image = DefaultsImage();
    {
        COptionalFeaturesDlg dialog(image, nullptr);
        dialog.show();
        dialog.Form()->List(1171)->setCurrentIndex(2); // "60"
        dialog.Form()->Edit(1191)->setText("KESTRA");  // greeting
        if (way == 0)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (way == 1)
            QTest::keyClick(dialog.Form()->List(1171), Qt::Key_Return);
        else if (way == 2)
            dialog.close();
        if (way != 3)
            QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(image.Byte(0x2040), 2);
    QCOMPARE(ImageBytes(image, 0x2060, 7), QByteArray("KESTRA "));
}

void TestOptionalFeaturesDlg::openAndCloseStoresOnlyTheTable_data() {
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {3u, 17u, 99u})
        QTest::newRow(qPrintable(QString("random image %1").arg(seed))) << seed;
}

void TestOptionalFeaturesDlg::openAndCloseStoresOnlyTheTable() {
    // The dialog does exactly what the table's load and store do, nothing else.
    QFETCH(unsigned, seed);
    const MemoryImage before = RandomImage(seed);
    MemoryImage expected = before;
    auto states = LoadFields(expected, OptionalFeatureFields());
    StoreFields(expected, OptionalFeatureFields(), states);
    MemoryImage image = before;
    {
        COptionalFeaturesDlg dialog(image, nullptr);
        dialog.reject();
    }
    QVERIFY(image == expected);
    const auto owned = OwnedMasks({&OptionalFeatureFields()});
    QCOMPARE(image.Byte(0x2049) & 0x18, before.Byte(0x2049) & 0x18);
    for (int offset = 0; offset < kImageSize; ++offset)
        QCOMPARE(image.Byte(offset) & ~owned[offset], before.Byte(offset) & ~owned[offset]);
}

void TestOptionalFeaturesDlg::hiddenControlsStillTakePart() {
    MemoryImage image = DefaultsImage();
    image.SetByte(0x2070, 0x0B);
    image.SetByte(0x2071, 0x00);
    image.SetBits(0x204E, 4, 2, 2);
    COptionalFeaturesDlg dialog(image, nullptr);
    dialog.show();
    for (int id : {1172, 1192, 1194}) {
        QVERIFY(dialog.Form()->Control(id));
        QVERIFY(!dialog.Form()->Control(id)->isVisible());
    }
    QCOMPARE(dialog.Form()->List(1194)->currentText(), QString("关"));
    QCOMPARE(dialog.Form()->Edit(1192)->text(), QString("1.50"));
    QCOMPARE(dialog.Form()->List(1172)->currentText(), QString("180"));
    dialog.StoreToImage();
    QCOMPARE(image.Byte(0x2070), 0);
    QCOMPARE(image.Byte(0x2071), 150);
    QCOMPARE(image.Bits(0x204E, 4, 2), 2);
}

void TestOptionalFeaturesDlg::greetingFilter_data() {
    QTest::addColumn<Input>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("typed, at most seven") << Input::Keys << "ABCDEFGHI" << QByteArray("ABCDEFG");
    QTest::newRow("pasted, at most seven, printable ASCII only")
        << Input::Paste << "HELLO 中WORLD" << QByteArray("HELLO W");
    QTest::newRow("composed Chinese and accents dropped")
        << Input::InputMethod << "A中文é~" << QByteArray("A~     ");
}

void TestOptionalFeaturesDlg::greetingFilter() {
    QFETCH(Input, how);
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    MemoryImage image = DefaultsImage();
    {
        COptionalFeaturesDlg dialog(image, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* greeting = dialog.Form()->Edit(1191);
        greeting->setFocus();
        greeting->clear();
        EnterText(greeting, text, how);
        QCOMPARE(greeting->text(), QString::fromLatin1(stored).trimmed());
    }
    QCOMPARE(ImageBytes(image, 0x2060, 7), stored);
}

void TestOptionalFeaturesDlg::dualWatchSpinAndFocus() {
    MemoryImage image = DefaultsImage();
    image.SetByte(0x2071, 255);
    COptionalFeaturesDlg dialog(image, nullptr);
    CStepSpinEdit* spin = dialog.Form()->Spin(1192);
    QVERIFY(spin);
    QCOMPARE(spin->Edit()->text(), QString("2.55"));
    spin->stepBy(1);
    QCOMPARE(spin->Edit()->text(), QString("0.01"));
    spin->stepBy(-1);
    QCOMPARE(spin->Edit()->text(), QString("2.55"));
    spin->Edit()->setText("9");
    emit spin->editingFinished();
    QCOMPARE(spin->Edit()->text(), QString("1.50"));
}

void TestOptionalFeaturesDlg::opensFromMenu_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("title");
    QTest::newRow("menu 可选功能") << "menu 32788"
                                   << "可选功能";
    QTest::newRow("menu DTMF") << "menu 32789"
                               << "DTMF";
}

void TestOptionalFeaturesDlg::opensFromMenu() {
    QFETCH(QString, way);
    QFETCH(QString, title);
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    BuildNewDocumentImage(g_image, "/nonexistent/Default.dat");
    g_image.SetByte(0x2040, 30); // stored back as 1 by the optional features
    g_image.SetByte(0x2080, 40); // stored back as 50 by the DTMF editor
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->windowTitle();
            modal->close();
        }
    });
    frame.Action(way.mid(5).toInt())->trigger();
    QCOMPARE(opened, title);
    if (title == "DTMF")
        QCOMPARE(g_image.Byte(0x2080), 50);
    else
        QCOMPARE(g_image.Byte(0x2040), 1);
}

KESTRA_REGISTER_TEST(TestOptionalFeaturesDlg);
#include "test_optional_features_dlg.moc"
