#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "app/navigation_bar.h"
#include "app/port_dlg.h"
#include "app/program_app.h"
#include "app/program_doc.h"
#include "app/transfer_dlg.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/new_document.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A main window in a program directory of its own, answering every question.
struct Frame {
    // Opens a document window when asked, shows the frame and waits until it is active.
    bool Start(bool document) {
        return (!document || frame.DocManager().NewDocument()) && ShowActive(&frame);
    }
    QWidget* Focus() { return QApplication::focusWidget() ? QApplication::focusWidget() : &frame; }
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
};

// The file menu's items, " | " between them, "---" for a separator.
QString FileMenu(const CMainFrame& frame) {
    QStringList items;
    for (QAction* item : frame.menuBar()->actions().first()->menu()->actions())
        if (item->isVisible())
            items << (item->isSeparator() ? QString("---") : item->text());
    return items.join(" | ");
}

// Opens the menu and clicks the item that runs command `id`.
void ClickMenuItem(const CMainFrame& frame, const QString& title, int id) {
    for (QAction* top : frame.menuBar()->actions())
        if (QMenu* menu = top->menu(); top->text() == title) {
            menu->popup(frame.mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            for (QAction* item : menu->actions())
                if (item->data().toInt() == id)
                    return QTest::mouseClick(menu, Qt::LeftButton, {},
                                             menu->actionGeometry(item).center());
        }
    QFAIL("no such item");
}

// Runs `act` and returns the titles of the modal dialogs it opened, closing each.
QStringList DialogsOpenedBy(const std::function<void()>& act) {
    QStringList opened;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened << modal->windowTitle();
            modal->close();
        }
    });
    watcher.start(0);
    act();
    return opened;
}

// A style under which a single click also activates an item, as some desktops set it.
class SingleClickStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void keysFollowTheDocument_data();
    void keysFollowTheDocument();
    void treeActsOncePerChoice_data();
    void treeActsOncePerChoice();
    void saveAndOpen();
    void csvFromTheFileMenu();
    void openBackup();
    void undoRedo();
    void unsavedChanges_data();
    void unsavedChanges();
    void portDialog();
    void transferFromTheView_data();
    void transferFromTheView();
};

void TestMainFrame::init() {
    QSettings("Local AppWizard-Generated Applications", "Kestra").remove("Recent File List");
}

void TestMainFrame::keysFollowTheDocument_data() {
    QTest::addColumn<bool>("document");
    QTest::newRow("no document") << false;
    QTest::newRow("document") << true;
}

void TestMainFrame::keysFollowTheDocument() {
    QFETCH(bool, document);
    Frame f;
    QVERIFY(f.Start(document));
    QWidget* focus = f.Focus();
    auto* toolBar = f.frame.findChild<QToolBar*>();
    for (int id : {kIdSave, kIdRead, kIdWrite, kIdPrint})
        QCOMPARE(toolBar->widgetForAction(f.frame.Action(id))->isEnabled(), document);
    QTest::keyClick(focus, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(f.frame.NavigationBar()->isHidden());
    QTest::keyClick(focus, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!f.frame.NavigationBar()->isHidden());
    const QStringList opened = DialogsOpenedBy([focus] {
        QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(focus, Qt::Key_W, Qt::ControlModifier);
    });
    QCOMPARE(opened, document ? QStringList{"写数据"} : QStringList());
    QVERIFY(ShowActive(&f.frame));
    // Ctrl+N is the menu's and the toolbar's key at once: it must still reach New.
    f.answers.answerOk = false;
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.frame.Children().size(), 1);
    QCOMPARE(f.answers.questions, document ? 1 : 0);
}

void TestMainFrame::treeActsOncePerChoice_data() {
    QTest::addColumn<int>("child");
    QTest::addColumn<bool>("enter"); // else a click
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("信道信息") << 0 << false << QStringList();
    QTest::newRow("DTMF") << 2 << false << QStringList{"DTMF"};
    QTest::newRow("DTMF by Enter") << 2 << true << QStringList{"DTMF"};
}

void TestMainFrame::treeActsOncePerChoice() {
    QFETCH(int, child);
    QFETCH(bool, enter);
    QFETCH(QStringList, dialogs);
    SingleClickStyle style; // outlives the tree
    Frame f;
    QVERIFY(f.Start(true));
    QTreeWidget* tree = f.frame.NavigationBar()->Tree();
    tree->setStyle(&style);
    QTreeWidgetItem* item = tree->topLevelItem(0)->child(child);
    // The item is found by what it is, whatever it reads.
    item->setText(0, "renamed");
    int runs = 0;
    connect(f.frame.Action(child == 0 ? kIdChannelInfo : kIdDtmf), &QAction::triggered,
            [&runs] { ++runs; });
    // Close only hides the document window; "信道信息" shows it again.
    f.frame.OnFileClose();
    auto choose = [&] {
        if (!enter)
            return QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                     tree->visualItemRect(item).center());
        tree->setFocus();
        for (int down = 0; down <= child; ++down)
            QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Return);
    };
    for (int choice = 1; choice <= 2; ++choice) {
        QCOMPARE(DialogsOpenedBy(choose), dialogs);
        QCOMPARE(runs, choice);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    }
    QCOMPARE(f.frame.ActiveChild()->isHidden(), child != 0);
}

void TestMainFrame::saveAndOpen() {
    Frame f;
    QVERIFY(f.Start(true));
    // Saving commits what the grid holds first.
    f.frame.ActiveView()->CommitEditorText(130, kColRxFreq, "438.5");
    f.answers.fileNames << f.home.Path("first.dat");
    QTest::keyClick(f.Focus(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(ChannelRecord::Load(g_image, 130).RxFreq(), 43850000);
    const QByteArray saved = FileBytes(f.home.Path("first.dat"));
    QCOMPARE(saved, ImageBytes(g_image, 0, kImageSize));
    // Opening reads the file into a window of its own.
    g_image.FillAll(0);
    f.answers.fileNames << f.home.Path("first.dat") << f.home.Path("second.dat");
    QTest::keyClick(f.Focus(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.frame.Children().size(), 2);
    QCOMPARE(f.frame.ActiveView()->CellText(130, kColRxFreq), QString("438.50000"));
    const qsizetype actions = f.frame.findChildren<QAction*>().size();
    ClickMenuItem(f.frame, "文件", kIdSaveAs);
    QCOMPARE(FileBytes(f.home.Path("second.dat")), saved);
    QVERIFY(FileMenu(f.frame).contains("| --- | &1 second.dat | &2 first.dat | --- |"));
    // The recent files: the last four, the newest first, in both file menus.
    for (const char* path : {"/a/1.dat", "/a/2.dat", "/a/3.dat", "/a/1.dat"})
        f.frame.AddRecentFile(path);
    QVERIFY(FileMenu(f.frame).contains(
        "| --- | &1 1.dat | &2 3.dat | &3 2.dat | &4 second.dat | --- |"));
    QCOMPARE(f.frame.findChildren<QAction*>().size(), actions + 2 * 3);
    QVERIFY(f.answers.messages.isEmpty());
}

void TestMainFrame::csvFromTheFileMenu() {
    Frame f;
    QVERIFY(f.Start(true));
    // Export takes the grid's pending edits too.
    f.frame.ActiveView()->CommitEditorText(2, kColRxFreq, "145.5");
    f.answers.fileNames << f.home.Path("out.csv");
    ClickMenuItem(f.frame, "文件", kIdExportCsv);
    const QByteArray csv = FileBytes(f.home.Path("out.csv"));
    QVERIFY2(csv.startsWith("Location,Name,Frequency,") &&
                 csv.contains("\r\n2,,145.500000,,0.000000,"),
             csv.constData());
    // Import: one row in band B, one the radio cannot hold; the summary names both.
    QVERIFY(f.home.WriteFile("in.csv", "Frequency,Location\n435.125,130\n30.0,131\n"));
    QVERIFY(f.home.WriteFile("bad.csv", "Frequency\n\"145.0\n"));
    f.answers.fileNames << f.home.Path("bad.csv") << f.home.Path("in.csv");
    ClickMenuItem(f.frame, "文件", kIdImportCsv);
    QCOMPARE(f.answers.messages.value(0),
             QString("%1 不是有效的信道列表。").arg(f.home.Path("bad.csv")));
    QCOMPARE(f.frame.ActiveView()->CellText(130, kColRxFreq), QString());
    ClickMenuItem(f.frame, "文件", kIdImportCsv);
    QCOMPARE(f.answers.messages.value(1), QString("导入 1 行，调整 0 行，跳过 1 行"));
    QCOMPARE(f.frame.ActiveView()->CellText(130, kColRxFreq), QString("435.12500"));
    QCOMPARE(ChannelRecord::Load(g_image, 130).RxFreq(), 43512500);
}

void TestMainFrame::openBackup() {
    Frame f;
    QVERIFY(f.Start(false));
    MemoryImage backup;
    BuildNewDocumentImage(backup, "/nonexistent");
    PutBytes(backup, RecordOffset(2), Hex("0025501400255014"));
    QVERIFY(f.home.WriteFile("old.dat", ImageBytes(backup, 0, kImageSize)));
    // The dialog starts in the backup folder; the backup opens as an unnamed document, so
    // saving it cannot overwrite the backup.
    f.answers.fileNames << f.home.Path("old.dat");
    f.frame.Action(kIdOpenBackup)->trigger();
    QVERIFY(QDir(f.home.Path("backups")).exists());
    QCOMPARE(f.frame.ActiveView()->CellText(2, kColRxFreq), QString("145.02500"));
    QCOMPARE(f.frame.ActiveChild()->Doc()->PathName(), QString());
}

// The text of the edit menu's first item (the undo item).
QString UndoItem(const CMainFrame& frame) {
    return frame.menuBar()->actions().value(1)->menu()->actions().value(0)->text();
}

void TestMainFrame::undoRedo() {
    Frame f;
    QVERIFY(f.Start(true));
    const QByteArray blank = ImageBytes(g_image, 0, kImageSize);
    QVERIFY(f.home.WriteFile("in.csv", "Frequency,Location\n435.125,130\n"));
    f.answers.fileNames << f.home.Path("in.csv");
    ClickMenuItem(f.frame, "文件", kIdImportCsv);
    QCOMPARE(UndoItem(f.frame), QString("撤销 导入 CSV\tCtrl+Z"));
    QCOMPARE(f.frame.ActiveChild()->windowTitle(), QString("无标题*"));
    // Undoing back to the image the document started with counts as unchanged.
    QTest::keyClick(f.Focus(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ImageBytes(g_image, 0, kImageSize), blank);
    QCOMPARE(f.frame.ActiveView()->CellText(130, kColRxFreq), QString());
    QCOMPARE(f.frame.ActiveChild()->windowTitle(), QString("无标题"));
    QCOMPARE(UndoItem(f.frame), QString("撤销\tCtrl+Z"));
    QVERIFY(!f.frame.Action(kIdUndo)->isEnabled());
    QTest::keyClick(f.Focus(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.frame.ActiveView()->CellText(130, kColRxFreq), QString("435.12500"));
    QCOMPARE(f.frame.ActiveChild()->windowTitle(), QString("无标题*"));
    // Saving makes the image the clean one; opening starts a new history.
    f.answers.fileNames << f.home.Path("saved.dat") << f.home.Path("saved.dat");
    QTest::keyClick(f.Focus(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.frame.ActiveChild()->windowTitle(), QString("saved.dat"));
    QTest::keyClick(f.Focus(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(!f.frame.Action(kIdUndo)->isEnabled());
    QVERIFY(f.answers.savePrompts.isEmpty());
}

void TestMainFrame::unsavedChanges_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("file"); // what the save dialog answers; empty: cancelled
    QTest::addColumn<bool>("closed");
    QTest::newRow("save") << int(Ui::SaveAnswer::Save) << "kept.dat" << true;
    QTest::newRow("save, dialog cancelled") << int(Ui::SaveAnswer::Save) << "" << false;
    QTest::newRow("discard") << int(Ui::SaveAnswer::Discard) << "kept.dat" << true;
    QTest::newRow("cancel") << int(Ui::SaveAnswer::Cancel) << "kept.dat" << false;
}

void TestMainFrame::unsavedChanges() {
    QFETCH(int, answer);
    QFETCH(QString, file);
    QFETCH(bool, closed);
    Frame f;
    QVERIFY(f.Start(true));
    QVERIFY(f.frame.close()); // nothing changed: no question
    QVERIFY(f.Start(true));
    f.frame.ActiveView()->CommitEditorText(3, kColRxFreq, "145.5");
    f.answers.saveAnswer = Ui::SaveAnswer(answer);
    const QString path = file.isEmpty() ? QString() : f.home.Path(file);
    f.answers.fileNames << path;
    // New asks first, and goes on only when the changes were saved or discarded.
    f.frame.Action(kIdNew)->trigger();
    QCOMPARE(f.answers.questions, closed ? 1 : 0);
    const bool saved = answer == int(Ui::SaveAnswer::Save) && closed;
    QCOMPARE(QFile::exists(f.home.Path("kept.dat")), saved);
    f.frame.ActiveView()->CommitEditorText(4, kColRxFreq, "145.5");
    f.answers.fileNames << path;
    QCOMPARE(f.frame.close(), closed);
    QCOMPARE(f.answers.savePrompts, QStringList(2, QString("文件已修改，是否保存？")));
}

void TestMainFrame::portDialog() {
    TestHome home;
    QVERIFY(home.WriteFile("Program.ini", "[Ports]\nCOM3=/x/three\nCOM12=/x/twelve\n"));
    // The current port, the one checked (0: none), the one chosen (0: OK at once), the result.
    const std::tuple<const char*, int, int, const char*> steps[] = {
        {"COM7", 0, 0, "COM7"}, {"COM3", 3, 12, "\\\\.\\COM12"}, {"\\\\.\\COM12", 12, 3, "COM3"}};
    for (auto [current, checked, choose, chosen] : steps) {
        g_portName = current;
        // Only the devices of this file can be opened.
        CPortDlg dialog(nullptr,
                        [](const std::string& device) { return device.compare(0, 3, "/x/") == 0; });
        for (int p = 1; p <= 16; ++p)
            QCOMPARE(dialog.Buttons()->button(1006 + p)->isEnabled(), p == 3 || p == 12);
        QCOMPARE(dialog.Buttons()->checkedId(), checked ? 1006 + checked : -1);
        if (choose)
            QTest::mouseClick(dialog.Buttons()->button(1006 + choose), Qt::LeftButton);
        dialog.accept();
        QCOMPARE(QString::fromStdString(g_portName), QString(chosen));
    }
    // The next start uses the port chosen last.
    CProgramApp app;
    QVERIFY(app.InitInstance(QString()));
    QCOMPARE(QString::fromStdString(g_portName), QString("COM3"));
}

void TestMainFrame::transferFromTheView_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("hangUpAt"); // the block after which the radio hangs up; 0: never
    QTest::newRow("read") << false << 0;
    QTest::newRow("read, hang-up midway") << false << 200;
    QTest::newRow("write") << true << 0;
}

void TestMainFrame::transferFromTheView() {
    QFETCH(bool, write);
    QFETCH(int, hangUpAt);
    TestHome home;
    AutoResponder answers;
    // The radio has channel A 001 on 145.025 MHz.
    MemoryImage memory;
    BuildNewDocumentImage(memory, "/nonexistent");
    PutBytes(memory, RecordOffset(1), Hex("0025501400255014"));
    SimulatedRadio radio(memory, {hangUpAt ? FaultKind::HangUp : FaultKind::None, hangUpAt});
    QVERIFY(radio.Start(home));
    BuildNewDocumentImage(g_image, "/nonexistent");
    CProgramView view;
    view.CommitEditorText(5, kColRxFreq, "150");
    const QByteArray before = ImageBytes(g_image, 0, kImageSize);
    // "开始" clicked, pressed again before its buttons are disabled, then Esc while the
    // transfer runs: one session, closed by its end only.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        QVERIFY(g_transferBusy);
        dialog->OnStart();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    write ? view.OnWriteToRadio() : view.OnReadFromRadio();
    QCOMPARE(answers.messages, hangUpAt ? QStringList{"通信出错"} : QStringList());
    // A write reads back what it wrote (verify is on unless Program.ini turns it off).
    QCOMPARE(radio.Sent().count(QByteArray("\x02PROGRAM")), write ? 2 : 1);
    QVERIFY(!g_transferBusy);
    // A write sends what the grid holds; only a complete read changes the image and the grid.
    const bool loaded = !write && !hangUpAt;
    QCOMPARE(ChannelRecord::Load(radio.simulator.Memory(), 5).RxFreq() == 15000000, write);
    // A grid edit is in the image at once; only a complete read changes it afterwards.
    QCOMPARE(ImageBytes(g_image, 0, kImageSize) == before, !loaded);
    QCOMPARE(view.CellText(1, kColRxFreq), loaded ? QString("145.02500") : QString());
    QCOMPARE(view.CellText(5, kColRxFreq), loaded ? QString() : QString("150.00000"));
    // A complete read also leaves a backup of what it read.
    const QStringList backups = QDir(home.Path("backups")).entryList({"*-read.dat"});
    QCOMPARE(backups.size(), loaded ? 1 : 0);
    if (loaded)
        QCOMPARE(FileBytes(home.Path("backups/" + backups[0])), ImageBytes(g_image, 0, kImageSize));
}

KESTRA_REGISTER_TEST(TestMainFrame);
#include "test_main_frame.moc"
