#include "app/main_frame.h"

#include "app/app_globals.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/doc_manager.h"
#include "app/image_step.h"
#include "app/lock_indicators.h"
#include "app/message_box.h"
#include "app/navigation_bar.h"
#include "app/program_doc.h"
#include "channels/program_view.h"

#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

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
        UpdateHistoryState();
    });
    connect(&CImageSteps::Instance(), &CImageSteps::Changed, this,
            [this] { UpdateHistoryState(); });
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    CreateNavigationBar();
    CreateBackground();
    CreateMenus();
}

CMainFrame::~CMainFrame() {
    // The bar and the document windows go first, while their signals still reach a whole
    // frame; nothing needs updating for them any more.
    m_closing = true;
    delete m_navigation;
    delete m_mdi;
}

void CMainFrame::ViewCommand(void (CProgramView::*command)()) {
    if (CProgramView* view = ActiveView())
        (view->*command)();
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
    // The frame's own toggle would be a second way to hide the bar; the menu has one.
    m_toolBar->toggleViewAction()->setVisible(false);
    connect(m_toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::ShowBarStates);
}

void CMainFrame::CreateStatusBar() {
    // "就绪" is the idle text: it comes back whenever no prompt is shown.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(tr("就绪"));
    });
    statusBar()->showMessage(tr("就绪"));
    m_locks = new CLockIndicators(statusBar());
}

void CMainFrame::ShowBarStates() {
    if (m_closing)
        return;
    m_actions[kIdToolBar]->setChecked(!m_toolBar->isHidden());
    m_actions[kIdStatusBar]->setChecked(!statusBar()->isHidden());
    if (m_navigation)
        m_actions[kIdNavigationBar]->setChecked(!m_navigation->isHidden());
}

void CMainFrame::CreateNavigationBar() {
    m_navigation = new CNavigationBar(this, g_radioType);
    addDockWidget(Qt::LeftDockWidgetArea, m_navigation);
    resizeDocks({m_navigation}, {185}, Qt::Horizontal);
    connect(m_navigation, &QDockWidget::visibilityChanged, this, &CMainFrame::ShowBarStates);
    connect(m_navigation, &CNavigationBar::ItemChosen, this,
            [this](int id) { m_actions[id]->trigger(); });
}

// The resources live in a static library; nothing else would pull them in.
static void InitResources() {
    Q_INIT_RESOURCE(kestra);
}

void CMainFrame::CreateBackground() {
    InitResources();
    QPixmap tile;
    if (!tile.load(DataFilePath("background.bmp")))
        tile.load(":/res/background.bmp");
    if (!tile.isNull())
        m_mdi->setBackground(QBrush(tile));
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The bar may take at most half of the window.
    m_navigation->setMaximumWidth(std::max(11, event->size().width() / 2));
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
            UpdateMenus();
    });
    child->show();
    m_mdi->setActiveSubWindow(child);
    // A new or opened image starts a history of its own.
    g_history.Clear();
    g_cleanImage.Mark(g_image);
    UpdateMenus();
}

void CMainFrame::OnFileNew() {
    if (!MaySetImageAside())
        return;
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
    if (!MaySetImageAside())
        return;
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
    AddServiceItems();
}

void CMainFrame::OnToggleNavigationBar() {
    m_navigation->setVisible(m_navigation->isHidden());
    ShowBarStates();
}

QPrinter& CMainFrame::Printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void CMainFrame::OnPrintSetup() {
    QPageSetupDialog(&Printer(), this).exec();
}
