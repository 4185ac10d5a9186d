#include "app/main_frame.h"

#include "app/about_info_dlg.h"
#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/doc_manager.h"
#include "app/editor_entries.h"
#include "app/message_box.h"
#include "app/navigation_bar.h"
#include "app/program_doc.h"
#include "channels/program_view.h"
#include "service/service_entries.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

enum CommandId {
    kIdNew = 57600,
    kIdOpen = 57601,
    kIdClose = 57602,
    kIdSave = 57603,
    kIdSaveAs = 57604,
    kIdPrintSetup = 57606,
    kIdPrint = 57607,
    kIdPrintPreview = 57609,
    kIdAbout = 57664,
    kIdExit = 57665,
    kIdToolBar = 59392,
    kIdStatusBar = 59393,
    kIdNavigationBar = 32772,
    kIdRead = 32773,
    kIdWrite = 32774,
    kIdPort = 32777,
    kIdChannelInfo = 32787,
    kIdOptions = 32788,
    kIdDtmf = 32789,
    kIdModel = 32805,
    kIdFmRadio = 32806,
    kIdParameterAdjust = 32807,
    kIdDtmfDecoderInit = 32808,
    kIdRadioInfo = 32809,
};

constexpr int kRecentFiles = 4;
const char* const kRecentKey = "Recent File List";

QSettings RecentSettings() {
    return QSettings("Local AppWizard-Generated Applications", "Kestra");
}

} // namespace

CMainFrame::CMainFrame()
    : m_mdi(new QMdiArea(this)), m_docManager(std::make_unique<CMyDocManager>(this)) {
    setWindowTitle(tr("写频软件"));
    // Document names never reach the title, also not from a maximised child window.
    connect(this, &QWidget::windowTitleChanged, this, [this](const QString& title) {
        if (title != tr("写频软件"))
            setWindowTitle(tr("写频软件"));
    });
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* child = qobject_cast<CChildFrame*>(window))
            m_lastActive = child;
    });
    CreateActions();
    CreateToolBar();
    // "就绪" is the idle text: it comes back whenever no prompt is shown.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(tr("就绪"));
    });
    statusBar()->showMessage(tr("就绪"));
    CreateNavigationBar();
    CreateBackground();
    RebuildMenus();
}

CMainFrame::~CMainFrame() {
    // The bar and the document windows go first, while their signals still reach a whole
    // frame; nothing needs updating for them any more.
    m_closing = true;
    delete m_navigation;
    delete m_mdi;
}

QAction* CMainFrame::AddAction(int id, const QString& text, const QString& prompt,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const int newline = prompt.indexOf('\n');
    action->setStatusTip(prompt.left(newline));
    if (newline >= 0)
        action->setToolTip(prompt.mid(newline + 1));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    m_actions.insert(id, action);
    addAction(action);
    return action;
}

void CMainFrame::ViewCommand(void (CProgramView::*command)()) {
    if (CProgramView* view = ActiveView())
        (view->*command)();
}

void CMainFrame::CreateActions() {
    auto on = [this](QAction* action, auto slot) {
        connect(action, &QAction::triggered, this, slot);
    };
    on(AddAction(kIdNew, tr("新建"), tr("建立新文档\n新建"), QKeySequence("Ctrl+N")),
       [this] { OnFileNew(); });
    on(AddAction(kIdOpen, tr("&打开..."), tr("打开现有文档\n打开"), QKeySequence("Ctrl+O")),
       [this] { OnFileOpen(); });
    on(AddAction(kIdClose, tr("关闭"), tr("关闭活动文档\n关闭")), [this] { OnFileClose(); });
    on(AddAction(kIdSave, tr("&存为"), tr("保存活动文档\n保存"), QKeySequence("Ctrl+S")),
       [this] { OnFileSave(); });
    on(AddAction(kIdSaveAs, tr("另存为..."), tr("用新名称保存活动文档\n另存为")),
       [this] { OnFileSaveAs(); });
    on(AddAction(kIdPrint, tr("&打印..."), tr("打印信道列表\n打印"), QKeySequence("Ctrl+P")),
       [this] { ViewCommand(&CProgramView::OnPrint); });
    on(AddAction(kIdPrintPreview, tr("打印预览"), tr("显示整页\n打印预览")),
       [this] { ViewCommand(&CProgramView::OnPrintPreview); });
    on(AddAction(kIdPrintSetup, tr("打印设置..."), tr("改变打印机及打印选项\n打印设置")), [this] {
        QPrinter printer;
        QPageSetupDialog(&printer, this).exec();
    });
    on(AddAction(kIdExit, tr("退出"), tr("退出应用程序\n退出")), [this] { close(); });
    on(AddAction(kIdAbout, tr("关于..."), tr("显示程序信息、版本号和版权\n关于")), [this] {
        CAboutInfoDlg dialog(this);
        dialog.exec();
    });
    on(AddAction(kIdRead, tr("读频"), tr("从对讲机读取数据\n读频"), QKeySequence("Ctrl+R")),
       [this] { ViewCommand(&CProgramView::OnReadFromRadio); });
    on(AddAction(kIdWrite, tr("写频"), tr("向对讲机写入数据\n写频"), QKeySequence("Ctrl+W")),
       [this] { ViewCommand(&CProgramView::OnWriteToRadio); });
    on(AddAction(kIdPort, tr("串口"), tr("设置通信串口\n串口")),
       [this] { ViewCommand(&CProgramView::OnPortSettings); });
    on(AddAction(kIdRadioInfo, tr("对讲机信息"), tr("读取对讲机信息\n对讲机信息")),
       [this] { ViewCommand(&CProgramView::OnRadioInfo); });
    on(AddAction(kIdChannelInfo, tr("信道信息"), tr("显示信道信息\n信道信息")),
       [this] { OnChannelInfo(); });
    on(AddAction(kIdModel, tr("机型"), tr("机型")),
       [this] { ViewCommand(&CProgramView::OnModelInfo); });
    on(AddAction(kIdOptions, tr("可选功能"), tr("可选功能")),
       [this] { Editors::OptionalFeatures(this); });
    on(AddAction(kIdDtmf, tr("DTMF"), tr("DTMF")), [this] { Editors::Dtmf(this); });
    on(AddAction(kIdFmRadio, tr("收音机"), tr("收音机")),
       [this] { ViewCommand(&CProgramView::OnFmReceiver); });
    on(AddAction(kIdParameterAdjust, tr("参数调节"), tr("参数调节")),
       [this] { ViewCommand(&CProgramView::OnParameterAdjust); });
    on(AddAction(kIdDtmfDecoderInit, tr("DTMF 初始化"), tr("DTMF 初始化")),
       [this] { Service::DtmfDecoderInit(this); });
    QAction* navigation = AddAction(kIdNavigationBar, tr("分隔栏"), tr("显示或隐藏分隔栏\n分隔栏"),
                                    QKeySequence("Ctrl+B"));
    navigation->setCheckable(true);
    on(navigation, [this] { OnToggleNavigationBar(); });
    // Shortcuts that no command answers.
    for (auto [id, keys] : {std::pair{57634, "Ctrl+C"},
                            {57637, "Ctrl+V"},
                            {57635, "Ctrl+X"},
                            {57643, "Ctrl+Z"},
                            {57680, "F6"},
                            {57681, "Shift+F6"}})
        AddAction(id, QString(), QString(), QKeySequence(keys))->setEnabled(false);
}

void CMainFrame::CreateToolBar() {
    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName("toolbar");
    m_toolBar->setIconSize(QSize(16, 15));
    QStyle* s = style();
    const std::pair<int, QStyle::StandardPixmap> buttons[] = {
        {kIdNew, QStyle::SP_FileIcon},
        {kIdOpen, QStyle::SP_DialogOpenButton},
        {0, {}},
        {kIdSave, QStyle::SP_DialogSaveButton},
        {0, {}},
        {kIdRead, QStyle::SP_ArrowDown},
        {kIdWrite, QStyle::SP_ArrowUp},
        {0, {}},
        {kIdPrint, QStyle::SP_FileDialogDetailedView},
        {kIdAbout, QStyle::SP_MessageBoxInformation},
    };
    for (auto [id, icon] : buttons) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        m_actions[id]->setIcon(s->standardIcon(icon));
        m_toolBar->addAction(m_actions[id]);
    }
    QAction* toolBar = m_toolBar->toggleViewAction();
    toolBar->setText(tr("工具栏(&T)"));
    toolBar->setData(kIdToolBar);
    toolBar->setStatusTip(tr("显示或隐藏工具栏"));
    m_actions.insert(kIdToolBar, toolBar);
    auto* statusBarToggle = new QAction(tr("状态栏(&S)"), this);
    statusBarToggle->setData(kIdStatusBar);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    statusBarToggle->setStatusTip(tr("显示或隐藏状态栏"));
    connect(statusBarToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    m_actions.insert(kIdStatusBar, statusBarToggle);
}

void CMainFrame::CreateNavigationBar() {
    m_navigation = new CNavigationBar(this, g_radioType);
    addDockWidget(Qt::LeftDockWidgetArea, m_navigation);
    resizeDocks({m_navigation}, {185}, Qt::Horizontal);
    QAction* toggle = m_actions[kIdNavigationBar];
    toggle->setChecked(true);
    connect(m_navigation, &QDockWidget::visibilityChanged, this, [this, toggle] {
        if (!m_closing)
            toggle->setChecked(!m_navigation->isHidden());
    });
    connect(m_navigation, &CNavigationBar::ItemChosen, this, [this](const QString& text) {
        if (text == tr("信道信息"))
            OnChannelInfo();
        else if (text == tr("可选功能"))
            Editors::OptionalFeatures(this);
        else if (text == tr("DTMF"))
            Editors::Dtmf(this);
    });
}

// The resources live in a static library; nothing else would pull them in.
static void InitResources() {
    Q_INIT_RESOURCE(kestra);
}

void CMainFrame::CreateBackground() {
    InitResources();
    QPixmap tile;
    if (!tile.load(g_exeDir + "background.bmp"))
        tile.load(":/res/background.bmp");
    if (!tile.isNull())
        m_mdi->setBackground(QBrush(tile));
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The bar may take at most half of the window.
    m_navigation->setMaximumWidth(std::max(11, event->size().width() / 2));
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    const QStringList files = RecentSettings().value(kRecentKey).toStringList();
    if (files.isEmpty()) {
        menu->addAction(tr("最近文件"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size() && i < kRecentFiles; ++i) {
        const QString path = files[i];
        QAction* item =
            menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] {
            if (!m_docManager->OpenDocumentFile(path))
                return;
        });
    }
}

void CMainFrame::RebuildMenus() {
    QMenuBar* bar = menuBar();
    bar->clear();
    const bool document = !Children().isEmpty();
    QMenu* file = bar->addMenu(tr("文件"));
    if (!document) {
        m_actions[kIdNew]->setText(tr("新建(&N)"));
        m_actions[kIdOpen]->setText(tr("打开(&O)..."));
        file->addActions({m_actions[kIdNew], m_actions[kIdOpen], m_actions[kIdPrintSetup]});
        file->addSeparator();
        FillRecentFiles(file);
        file->addSeparator();
        file->addAction(m_actions[kIdExit]);
        QMenu* view = bar->addMenu(tr("查看(&V)"));
        view->addActions({m_actions[kIdToolBar], m_actions[kIdStatusBar]});
        bar->addMenu(tr("帮助(&H)"))->addAction(m_actions[kIdAbout]);
        return;
    }
    m_actions[kIdNew]->setText(tr("新建"));
    m_actions[kIdOpen]->setText(tr("&打开..."));
    file->addActions({m_actions[kIdNew], m_actions[kIdOpen], m_actions[kIdClose],
                      m_actions[kIdSave], m_actions[kIdSaveAs]});
    file->addSeparator();
    file->addActions({m_actions[kIdPrint], m_actions[kIdPrintPreview], m_actions[kIdPrintSetup]});
    file->addSeparator();
    FillRecentFiles(file);
    file->addSeparator();
    file->addAction(m_actions[kIdExit]);
    QMenu* edit = bar->addMenu(tr("编辑"));
    for (int id : {kIdModel, kIdChannelInfo, kIdOptions, kIdDtmf, kIdFmRadio, kIdRadioInfo})
        edit->addAction(m_actions[id]);
    if (g_serviceMode)
        edit->addActions({m_actions[kIdParameterAdjust], m_actions[kIdDtmfDecoderInit]});
    bar->addMenu(tr("编程"))->addActions({m_actions[kIdRead], m_actions[kIdWrite]});
    bar->addMenu(tr("设置"))->addAction(m_actions[kIdPort]);
    bar->addMenu(tr("视图"))
        ->addActions({m_actions[kIdToolBar], m_actions[kIdStatusBar], m_actions[kIdNavigationBar]});
    bar->addMenu(tr("帮助"))->addAction(m_actions[kIdAbout]);
}

CChildFrame* CMainFrame::ActiveChild() const {
    if (auto* active = qobject_cast<CChildFrame*>(m_mdi->activeSubWindow()))
        return active;
    return m_lastActive && Children().contains(m_lastActive.data()) ? m_lastActive.data() : nullptr;
}

CProgramView* CMainFrame::ActiveView() const {
    CChildFrame* child = ActiveChild();
    return child ? child->View() : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(w))
            children << child;
    return children;
}

void CMainFrame::AddDocumentWindow(std::unique_ptr<CProgramDoc> doc) {
    auto* child = new CChildFrame(std::move(doc));
    m_mdi->addSubWindow(child);
    connect(child, &QObject::destroyed, this, [this] {
        if (!m_closing)
            RebuildMenus();
    });
    child->show();
    m_mdi->setActiveSubWindow(child);
    RebuildMenus();
}

void CMainFrame::AddRecentFile(const QString& path) {
    QSettings settings = RecentSettings();
    QStringList files = settings.value(kRecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFiles)
        files.removeLast();
    settings.setValue(kRecentKey, files);
    RebuildMenus();
}

void CMainFrame::OnFileNew() {
    if (CChildFrame* active = ActiveChild()) {
        if (!Ui::AskOkCancel(this, tr("所有数据将会被清除！")))
            return;
        active->Destroy();
        // The window is gone from the area at once, even though Qt deletes it later.
        m_mdi->removeSubWindow(active);
    }
    m_docManager->NewDocument();
}

void CMainFrame::OnFileOpen() {
    const QString path = Ui::AskOpenFileName(this);
    if (!path.isEmpty())
        m_docManager->OpenDocumentFile(path);
}

void CMainFrame::OnFileClose() {
    if (CChildFrame* child = ActiveChild())
        child->hide();
}

bool CMainFrame::OnFileSave() {
    CChildFrame* child = ActiveChild();
    if (!child)
        return false;
    if (child->Doc()->PathName().isEmpty())
        return OnFileSaveAs();
    return child->Doc()->OnSaveDocument(child->Doc()->PathName(), child, this);
}

bool CMainFrame::OnFileSaveAs() {
    CChildFrame* child = ActiveChild();
    if (!child)
        return false;
    const QString path = Ui::AskSaveFileName(this, child->Doc()->PathName());
    if (path.isEmpty() || !child->Doc()->OnSaveDocument(path, child, this))
        return false;
    child->setWindowTitle(child->Doc()->Title());
    AddRecentFile(path);
    return true;
}

void CMainFrame::OnChannelInfo() {
    if (CChildFrame* child = ActiveChild()) {
        child->showNormal();
        child->setFocus();
    }
}

void CMainFrame::EnableServiceMode() {
    if (g_serviceMode)
        return;
    g_serviceMode = true;
    for (CChildFrame* child : Children())
        child->View()->ShowServiceButton();
    RebuildMenus();
}

void CMainFrame::OnToggleNavigationBar() {
    m_navigation->setVisible(m_navigation->isHidden());
    m_actions[kIdNavigationBar]->setChecked(!m_navigation->isHidden());
}
