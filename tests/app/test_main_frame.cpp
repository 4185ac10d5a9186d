#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/doc_manager.h"
#include "app/lock_indicators.h"
#include "app/main_frame.h"
#include "app/navigation_bar.h"
#include "channels/program_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

namespace {

void ForgetRecentFiles() {
    QSettings("Local AppWizard-Generated Applications", "Kestra").remove("Recent File List");
}

// One line per menu of the bar: "title: item | item", "---" for a separator.
QStringList MenuLines(const CMainFrame& frame) {
    QStringList lines;
    for (QAction* top : frame.menuBar()->actions()) {
        QStringList items;
        for (QAction* item : top->menu()->actions())
            if (item->isVisible())
                items << (item->isSeparator() ? QString("---") : item->text());
        lines << top->text() + ": " + items.join(" | ");
    }
    return lines;
}

QMenu* MenuTitled(const CMainFrame& frame, const QString& title) {
    for (QAction* top : frame.menuBar()->actions())
        if (top->text() == title)
            return top->menu();
    return nullptr;
}

// Opens the menu and clicks the item that runs command `id`.
void ClickMenuItem(const CMainFrame& frame, const QString& title, int id) {
    QMenu* menu = MenuTitled(frame, title);
    QVERIFY(menu);
    menu->popup(frame.mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    for (QAction* item : menu->actions())
        if (item->data().toInt() == id) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return;
        }
    QFAIL("no such item");
}

// Runs `act`; every modal dialog it opens is passed to `answer`, which must close it.
template <typename Act, typename Answer> void AnswerDialogs(Act act, Answer answer) {
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            modal->close(); // also when the answer failed, so the test goes on
        }
    });
    watcher.start(0);
    act();
    watcher.stop();
}

// Runs `act` and reports the titles of the modal dialogs it opened (each closed at once).
template <typename Act> QStringList DialogsOpenedBy(Act act) {
    QStringList opened;
    AnswerDialogs(act, [&opened](QWidget* modal) {
        opened << modal->windowTitle();
        modal->close();
    });
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

QTreeWidgetItem* TreeItem(const CMainFrame& frame, int child) {
    return frame.NavigationBar()->Tree()->topLevelItem(0)->child(child);
}

void ClickTreeItem(const CMainFrame& frame, int child) {
    QTreeWidget* tree = frame.NavigationBar()->Tree();
    const QRect rect = tree->visualItemRect(TreeItem(frame, child));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void menuSets();
    void menusLeakNothing();
    void fourRecentFiles();
    void menuItemsRunTheirCommands();
    void shortcutsHaveOneOwner_data();
    void shortcutsHaveOneOwner();
    void documentCommandsNeedADocument();
    void treeActsOncePerChoice_data();
    void treeActsOncePerChoice();
    void treeEnterActsOnTheCurrentItem();
    void navigationBarClose();
    void navigationBarWidth();
    void lockIndicators();
    void printSetupReachesPrinting();
};

void TestMainFrame::init() {
    ForgetRecentFiles();
    g_serviceMode = false;
}

void TestMainFrame::menuSets() {
    TestHome home;
    CMainFrame frame;
    QCOMPARE(MenuLines(frame),
             (QStringList{"文件: 新建(&N)\tCtrl+N | 打开(&O)...\tCtrl+O | 打印设置(&R)... | --- | "
                          "最近文件 | --- | 退出(&X)",
                          "查看(&V): 工具栏(&T) | 状态栏(&S)", "帮助(&H): 关于(&A)..."}));
    QVERIFY(frame.DocManager().NewDocument());
    QCOMPARE(
        MenuLines(frame),
        (QStringList{"文件: 新建\tCtrl+N | &打开...\tCtrl+O | 关闭 | &存为\tCtrl+S | 另存为... "
                     "| --- | &打印...\tCtrl+P | 打印预览 | 打印设置... | --- | 最近文件 | --- | "
                     "退出",
                     "编辑: 机型 | 信道信息 | 可选功能 | DTMF | 收音机 | 对讲机信息",
                     "编程: 读频\tCtrl+R | 写频\tCtrl+W", "设置: 串口",
                     "视图: 工具栏 | 状态栏 | 分隔栏\tCtrl+B", "帮助: 关于..."}));
    // A command's prompt: the status-bar text, then the tooltip.
    QCOMPARE(frame.Action(32773)->statusTip(), QString("从对讲机读取数据"));
    QCOMPARE(frame.Action(32773)->toolTip(), QString("读频"));
    frame.AddRecentFile(home.Path("a.dat"));
    frame.AddRecentFile(home.Path("b.dat"));
    QVERIFY(MenuLines(frame)[0].contains("| --- | &1 b.dat | &2 a.dat | --- |"));
    frame.ActiveChild()->Destroy();
    QTRY_COMPARE(frame.Children().size(), 0);
    QTRY_VERIFY(MenuLines(frame)[1].startsWith("查看(&V)"));
    QVERIFY(MenuLines(frame)[0].contains("| --- | &1 b.dat | &2 a.dat | --- |"));
}

void TestMainFrame::menusLeakNothing() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    auto count = [&frame] {
        return frame.findChildren<QMenu*>().size() + frame.findChildren<QAction*>().size();
    };
    const qsizetype before = count();
    for (int i = 0; i < 5; ++i) {
        frame.OnFileNew();
        QTRY_COMPARE(frame.Children().size(), 1);
        frame.AddRecentFile(home.Path("same.dat"));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frame.AddRecentFile(home.Path("other.dat"));
    // In both file menus the first recent file takes the placeholder's place; the second adds.
    QCOMPARE(count(), before + 2);
    QCOMPARE(frame.menuBar()->actions().size(), 6);
}

void TestMainFrame::fourRecentFiles() {
    TestHome home;
    QSettings("Local AppWizard-Generated Applications", "Kestra")
        .setValue("Recent File List", QStringList{"/a/1.dat", "/a/2.dat", "/a/3.dat", "/a/4.dat",
                                                  "/a/5.dat", "/a/6.dat"});
    CMainFrame frame;
    QVERIFY(MenuLines(frame)[0].contains("| &1 1.dat | &2 2.dat | &3 3.dat | &4 4.dat | --- |"));
    frame.AddRecentFile("/a/7.dat");
    QVERIFY(MenuLines(frame)[0].contains("| &1 7.dat | &2 1.dat | &3 2.dat | &4 3.dat | --- |"));
    QCOMPARE(QSettings("Local AppWizard-Generated Applications", "Kestra")
                 .value("Recent File List")
                 .toStringList()
                 .size(),
             4);
}

void TestMainFrame::menuItemsRunTheirCommands() {
    TestHome home;
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    ClickMenuItem(frame, "查看(&V)", 59393);
    QVERIFY(frame.statusBar()->isHidden());
    QVERIFY(!frame.Action(59393)->isChecked());
    ClickMenuItem(frame, "查看(&V)", 59392);
    QVERIFY(frame.findChild<QToolBar*>()->isHidden());
    QVERIFY(frame.DocManager().NewDocument());
    // The other set shows the same states and brings the bars back.
    QMenu* view = MenuTitled(frame, "视图");
    QVERIFY(view);
    for (QAction* item : view->actions())
        QCOMPARE(item->isChecked(), item->data().toInt() == 32772);
    ClickMenuItem(frame, "视图", 59393);
    ClickMenuItem(frame, "视图", 59392);
    QVERIFY(!frame.statusBar()->isHidden());
    QVERIFY(!frame.findChild<QToolBar*>()->isHidden());
    ClickMenuItem(frame, "视图", 32772);
    QVERIFY(frame.NavigationBar()->isHidden());
    for (QAction* item : view->actions())
        QCOMPARE(item->isChecked(), item->data().toInt() != 32772);
    frame.ActiveChild()->View()->CommitEditorText(1, 1, "150");
    frame.OnFileClose();
    ClickMenuItem(frame, "编辑", 32787);
    QVERIFY(!frame.ActiveChild()->isHidden());
}

void TestMainFrame::shortcutsHaveOneOwner_data() {
    QTest::addColumn<bool>("document");
    QTest::newRow("no document") << false;
    QTest::newRow("document") << true;
}

void TestMainFrame::shortcutsHaveOneOwner() {
    QFETCH(bool, document);
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    if (document)
        QVERIFY(frame.DocManager().NewDocument());
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
    QTest::keyClick(focus, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(frame.NavigationBar()->isHidden());
    QTest::keyClick(focus, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!frame.NavigationBar()->isHidden());
    // Ctrl+N is the menu's and the toolbar's key at once: it must still reach New.
    answers.answerOk = false;
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(frame.Children().size(), 1);
    QCOMPARE(answers.questions, document ? 1 : 0);
}

void TestMainFrame::documentCommandsNeedADocument() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* toolBar = frame.findChild<QToolBar*>();
    auto buttonsEnabled = [&] {
        QList<bool> enabled;
        for (int id : {57600, 57601, 57603, 32773, 32774, 57607, 57664})
            enabled << toolBar->widgetForAction(frame.Action(id))->isEnabled();
        return enabled;
    };
    QCOMPARE(buttonsEnabled(), (QList<bool>{true, true, false, false, false, false, true}));
    const QStringList opened = DialogsOpenedBy([&frame] {
        for (Qt::Key key : {Qt::Key_S, Qt::Key_R, Qt::Key_W, Qt::Key_P})
            QTest::keyClick(&frame, key, Qt::ControlModifier);
        QTest::mouseClick(frame.findChild<QToolBar*>()->widgetForAction(frame.Action(32773)),
                          Qt::LeftButton);
    });
    QCOMPARE(opened, QStringList());
    QVERIFY(answers.messages.isEmpty());
    QVERIFY(frame.DocManager().NewDocument());
    QCOMPARE(buttonsEnabled(), (QList<bool>{true, true, true, true, true, true, true}));
    frame.ActiveChild()->Destroy();
    QTRY_COMPARE(buttonsEnabled(), (QList<bool>{true, true, false, false, false, false, true}));
}

void TestMainFrame::treeActsOncePerChoice_data() {
    QTest::addColumn<int>("child");
    QTest::addColumn<QStringList>("dialogs");
    QTest::newRow("信道信息") << 0 << QStringList();
    QTest::newRow("可选功能") << 1 << QStringList{"可选功能"};
    QTest::newRow("DTMF") << 2 << QStringList{"DTMF"};
}

void TestMainFrame::treeActsOncePerChoice() {
    QFETCH(int, child);
    QFETCH(QStringList, dialogs);
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    SingleClickStyle style;
    QTreeWidget* tree = frame.NavigationBar()->Tree();
    tree->setStyle(&style);
    // The item is found by what it is, whatever it reads.
    TreeItem(frame, child)->setText(0, "renamed");
    const int id = QList<int>{32787, 32788, 32789}[child];
    int runs = 0;
    connect(frame.Action(id), &QAction::triggered, [&runs] { ++runs; });
    frame.OnFileClose();
    for (int choice = 1; choice <= 2; ++choice) {
        QCOMPARE(DialogsOpenedBy([&] { ClickTreeItem(frame, child); }), dialogs);
        QCOMPARE(runs, choice);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    }
    QCOMPARE(frame.ActiveChild()->isHidden(), child != 0);
    tree->setStyle(nullptr);
}

void TestMainFrame::treeEnterActsOnTheCurrentItem() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTreeWidget* tree = frame.NavigationBar()->Tree();
    tree->setFocus();
    const QStringList opened = DialogsOpenedBy([tree] {
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Return);
    });
    QCOMPARE(opened, QStringList{"DTMF"});
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
}

void TestMainFrame::navigationBarClose() {
    TestHome home;
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* close = frame.NavigationBar()->findChild<QAbstractButton*>("closeButton");
    QVERIFY(close);
    QCOMPARE(close->toolTip(), QString("Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(frame.NavigationBar()->isHidden());
    QVERIFY(!frame.Action(32772)->isChecked());
}

void TestMainFrame::navigationBarWidth() {
    TestHome home;
    CMainFrame frame;
    frame.resize(800, 500);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CNavigationBar* bar = frame.NavigationBar();
    // Drags the separator right of the bar to x and releases it there.
    auto dragTo = [&](int x) {
        const QPoint grip(bar->geometry().right() + 2, bar->geometry().center().y());
        QTest::mousePress(&frame, Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(x, grip.y()),
                         frame.mapToGlobal(QPointF(x, grip.y())), Qt::LeftButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&frame, &move);
        QApplication::processEvents(); // the frame applies a separator move on a timer
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, QPoint(x, grip.y()));
    };
    dragTo(bar->x() + 3);
    QCOMPARE(bar->width(), 11);
    dragTo(780);
    QCOMPARE(bar->width(), 400);
    dragTo(bar->x() + 185);
    QVERIFY(qAbs(bar->width() - 185) <= 3);
}

void TestMainFrame::lockIndicators() {
    if (SystemLockKeys())
        QSKIP("the windowing system reports the real lock states here");
    TestHome home;
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* locks = frame.findChild<CLockIndicators*>();
    QVERIFY(locks);
    QCOMPARE(locks->Texts(), (QStringList{"", "", ""}));
    // Pressed where the focus is: the key passes the window, then the widgets up to the frame.
    QWindow* window = frame.windowHandle();
    for (Qt::Key key : {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock})
        QTest::keyClick(window, key);
    QCOMPARE(locks->Texts(), (QStringList{"大写", "数字", "滚动"}));
    QTest::keyClick(window, Qt::Key_CapsLock);
    QTest::keyClick(window, Qt::Key_ScrollLock);
    QCOMPARE(locks->Texts(), (QStringList{"", "数字", ""}));
    // The indicators follow the message pane.
    QStatusBar* bar = frame.statusBar();
    const QList<QLabel*> labels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QVERIFY(labels.size() >= 3);
}

void TestMainFrame::printSetupReachesPrinting() {
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QPrinter* setUp = nullptr;
    AnswerDialogs([&frame] { ClickMenuItem(frame, "文件", 57606); },
                  [&setUp](QWidget* modal) {
                      auto* dialog = qobject_cast<QPageSetupDialog*>(modal);
                      QVERIFY(dialog);
                      setUp = dialog->printer();
                      auto* landscape = dialog->findChild<QRadioButton*>("landscape");
                      QVERIFY(landscape);
                      // On the button's indicator: the widget may be wider than its text.
                      QTest::mouseClick(landscape, Qt::LeftButton, {},
                                        QPoint(5, landscape->height() / 2));
                      dialog->accept();
                  });
    QVERIFY(setUp);
    QPrinter* previewed = nullptr;
    AnswerDialogs([&frame] { ClickMenuItem(frame, "文件", 57609); },
                  [&previewed](QWidget* modal) {
                      auto* dialog = qobject_cast<QPrintPreviewDialog*>(modal);
                      QVERIFY(dialog);
                      previewed = dialog->printer();
                      dialog->reject();
                  });
    QCOMPARE(previewed, setUp);
    QCOMPARE(previewed->pageLayout().orientation(), QPageLayout::Landscape);
}

KESTRA_REGISTER_TEST(TestMainFrame);
#include "test_main_frame.moc"
