// The main window's commands and its two menu sets, each declared once as a table.
#include "app/about_info_dlg.h"
#include "app/app_globals.h"
#include "app/command_ids.h"
#include "app/doc_manager.h"
#include "app/editor_entries.h"
#include "app/image_step.h"
#include "app/language_menu.h"
#include "app/main_frame.h"
#include "channels/program_view.h"
#include "service/service_entries.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include <span>

namespace {

enum class Needs {
    Frame,    // always available
    Document, // needs a document window
    Toggle,   // always available, checked while its bar is shown
    Nothing,  // an accelerator no command answers
};

struct Command {
    int id;
    const char* prompt; // status-bar prompt, then after a new-line the tooltip
    const char* keys;   // shortcuts, separated by "; "
    Needs needs;
    void (*run)(CMainFrame&);
};

constexpr int kSeparator = 0;
constexpr int kRecentFileList = -1;

struct MenuItem {
    int id;
    const char* text;
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// Menu 128: no document window exists.
constexpr MenuItem kNoDocumentFile[] = {
    {kIdNew, QT_TRANSLATE_NOOP("CMainFrame", "新建(&N)")},
    {kIdOpen, QT_TRANSLATE_NOOP("CMainFrame", "打开(&O)...")},
    {kIdPrintSetup, QT_TRANSLATE_NOOP("CMainFrame", "打印设置(&R)...")},
    {kSeparator, nullptr},
    {kRecentFileList, nullptr},
    {kSeparator, nullptr},
    {kIdExit, QT_TRANSLATE_NOOP("CMainFrame", "退出(&X)")},
};
constexpr MenuItem kNoDocumentView[] = {
    {kIdToolBar, QT_TRANSLATE_NOOP("CMainFrame", "工具栏(&T)")},
    {kIdStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "状态栏(&S)")},
};
constexpr MenuItem kNoDocumentHelp[] = {
    {kIdAbout, QT_TRANSLATE_NOOP("CMainFrame", "关于(&A)...")},
};
constexpr Menu kNoDocumentMenus[] = {
    {QT_TRANSLATE_NOOP("CMainFrame", "文件"), kNoDocumentFile},
    {QT_TRANSLATE_NOOP("CMainFrame", "查看(&V)"), kNoDocumentView},
    {QT_TRANSLATE_NOOP("CMainFrame", "帮助(&H)"), kNoDocumentHelp},
};

// Menu 129: a document window exists.
constexpr MenuItem kDocumentFile[] = {
    {kIdNew, QT_TRANSLATE_NOOP("CMainFrame", "新建")},
    {kIdOpen, QT_TRANSLATE_NOOP("CMainFrame", "&打开...")},
    {kIdClose, QT_TRANSLATE_NOOP("CMainFrame", "关闭")},
    {kIdSave, QT_TRANSLATE_NOOP("CMainFrame", "&存为")},
    {kIdSaveAs, QT_TRANSLATE_NOOP("CMainFrame", "另存为...")},
    {kSeparator, nullptr},
    {kIdImportCsv, QT_TRANSLATE_NOOP("CMainFrame", "导入 CSV...")},
    {kIdExportCsv, QT_TRANSLATE_NOOP("CMainFrame", "导出 CSV...")},
    {kIdCompare, QT_TRANSLATE_NOOP("CMainFrame", "比较...")},
    {kIdOpenBackup, QT_TRANSLATE_NOOP("CMainFrame", "打开备份...")},
    {kSeparator, nullptr},
    {kIdPrint, QT_TRANSLATE_NOOP("CMainFrame", "&打印...")},
    {kIdPrintPreview, QT_TRANSLATE_NOOP("CMainFrame", "打印预览")},
    {kIdPrintSetup, QT_TRANSLATE_NOOP("CMainFrame", "打印设置...")},
    {kSeparator, nullptr},
    {kRecentFileList, nullptr},
    {kSeparator, nullptr},
    {kIdExit, QT_TRANSLATE_NOOP("CMainFrame", "退出")},
};
constexpr MenuItem kDocumentEdit[] = {
    {kIdUndo, QT_TRANSLATE_NOOP("CMainFrame", "撤销")},
    {kIdRedo, QT_TRANSLATE_NOOP("CMainFrame", "重做")},
    {kSeparator, nullptr},
    {kIdModel, QT_TRANSLATE_NOOP("CMainFrame", "机型")},
    {kIdChannelInfo, QT_TRANSLATE_NOOP("CMainFrame", "信道信息")},
    {kIdOptions, QT_TRANSLATE_NOOP("CMainFrame", "可选功能")},
    {kIdDtmf, QT_TRANSLATE_NOOP("CMainFrame", "DTMF")},
    {kIdFmRadio, QT_TRANSLATE_NOOP("CMainFrame", "收音机")},
    {kIdRadioInfo, QT_TRANSLATE_NOOP("CMainFrame", "对讲机信息")},
};
constexpr MenuItem kDocumentProgram[] = {
    {kIdRead, QT_TRANSLATE_NOOP("CMainFrame", "读频")},
    {kIdWrite, QT_TRANSLATE_NOOP("CMainFrame", "写频")},
};
constexpr MenuItem kDocumentSettings[] = {
    {kIdPort, QT_TRANSLATE_NOOP("CMainFrame", "串口")},
};
constexpr MenuItem kDocumentView[] = {
    {kIdToolBar, QT_TRANSLATE_NOOP("CMainFrame", "工具栏")},
    {kIdStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "状态栏")},
    {kIdNavigationBar, QT_TRANSLATE_NOOP("CMainFrame", "分隔栏")},
};
constexpr MenuItem kDocumentHelp[] = {
    {kIdAbout, QT_TRANSLATE_NOOP("CMainFrame", "关于...")},
};
constexpr Menu kDocumentMenus[] = {
    {QT_TRANSLATE_NOOP("CMainFrame", "文件"), kDocumentFile},
    {QT_TRANSLATE_NOOP("CMainFrame", "编辑"), kDocumentEdit},
    {QT_TRANSLATE_NOOP("CMainFrame", "编程"), kDocumentProgram},
    {QT_TRANSLATE_NOOP("CMainFrame", "设置"), kDocumentSettings},
    {QT_TRANSLATE_NOOP("CMainFrame", "视图"), kDocumentView},
    {QT_TRANSLATE_NOOP("CMainFrame", "帮助"), kDocumentHelp},
};

// Added at the end of "编辑" once the service password was given.
constexpr MenuItem kServiceItems[] = {
    {kIdParameterAdjust, QT_TRANSLATE_NOOP("CMainFrame", "参数调节")},
    {kIdDtmfDecoderInit, QT_TRANSLATE_NOOP("CMainFrame", "DTMF 初始化")},
};

constexpr int kRecentFiles = 4;
const char* const kRecentKey = "Recent File List";

// The commands that may change the image are undoable steps of this name.
const char* UndoStepName(int id) {
    static const std::pair<int, const char*> steps[] = {
        {kIdRead, QT_TRANSLATE_NOOP("CMainFrame", "读频")},
        {kIdImportCsv, QT_TRANSLATE_NOOP("CMainFrame", "导入 CSV")},
        {kIdModel, QT_TRANSLATE_NOOP("CMainFrame", "机型")},
        {kIdOptions, QT_TRANSLATE_NOOP("CMainFrame", "可选功能")},
        {kIdDtmf, QT_TRANSLATE_NOOP("CMainFrame", "DTMF")},
        {kIdFmRadio, QT_TRANSLATE_NOOP("CMainFrame", "收音机")},
        {kIdParameterAdjust, QT_TRANSLATE_NOOP("CMainFrame", "参数调节")},
        {kIdDtmfDecoderInit, QT_TRANSLATE_NOOP("CMainFrame", "DTMF 初始化")},
    };
    for (const auto& [command, name] : steps)
        if (command == id)
            return name;
    return nullptr;
}

QSettings RecentSettings() {
    return QSettings("Local AppWizard-Generated Applications", "Kestra");
}

} // namespace

void CMainFrame::CreateActions() {
    // Lambdas declared here may call the frame's private members.
    static constexpr Command kCommands[] = {
        {kIdNew, QT_TR_NOOP("建立新文档\n新建"), "Ctrl+N", Needs::Frame,
         [](CMainFrame& f) { f.OnFileNew(); }},
        {kIdOpen, QT_TR_NOOP("打开现有文档\n打开"), "Ctrl+O", Needs::Frame,
         [](CMainFrame& f) { f.OnFileOpen(); }},
        {kIdClose, QT_TR_NOOP("关闭活动文档\n关闭"), "", Needs::Document,
         [](CMainFrame& f) { f.OnFileClose(); }},
        {kIdSave, QT_TR_NOOP("保存活动文档\n保存"), "Ctrl+S", Needs::Document,
         [](CMainFrame& f) { f.OnFileSave(); }},
        {kIdSaveAs, QT_TR_NOOP("用新名称保存活动文档\n另存为"), "", Needs::Document,
         [](CMainFrame& f) { f.OnFileSaveAs(); }},
        {kIdImportCsv, QT_TR_NOOP("从 CSV 文件导入信道\n导入 CSV"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnImportCsv); }},
        {kIdExportCsv, QT_TR_NOOP("把信道导出为 CSV 文件\n导出 CSV"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnExportCsv); }},
        {kIdCompare, QT_TR_NOOP("与另一个数据文件比较\n比较"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnCompare); }},
        {kIdOpenBackup, QT_TR_NOOP("打开读频时自动保存的备份\n打开备份"), "", Needs::Frame,
         [](CMainFrame& f) { f.OnOpenBackup(); }},
        {kIdPrint, QT_TR_NOOP("打印信道列表\n打印"), "Ctrl+P", Needs::Document,
         [](CMainFrame& f) {
             if (CProgramView* view = f.ActiveView())
                 view->OnPrint(f.Printer());
         }},
        {kIdPrintPreview, QT_TR_NOOP("显示整页\n打印预览"), "", Needs::Document,
         [](CMainFrame& f) {
             if (CProgramView* view = f.ActiveView())
                 view->OnPrintPreview(f.Printer());
         }},
        {kIdPrintSetup, QT_TR_NOOP("改变打印机及打印选项\n打印设置"), "", Needs::Frame,
         [](CMainFrame& f) { f.OnPrintSetup(); }},
        {kIdExit, QT_TR_NOOP("退出应用程序\n退出"), "", Needs::Frame,
         [](CMainFrame& f) { f.close(); }},
        {kIdAbout, QT_TR_NOOP("显示程序信息、版本号和版权\n关于"), "", Needs::Frame,
         [](CMainFrame& f) { CAboutInfoDlg(&f).exec(); }},
        {kIdRead, QT_TR_NOOP("从对讲机读取数据\n读频"), "Ctrl+R", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnReadFromRadio); }},
        {kIdWrite, QT_TR_NOOP("向对讲机写入数据\n写频"), "Ctrl+W", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnWriteToRadio); }},
        {kIdPort, QT_TR_NOOP("设置通信串口\n串口"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnPortSettings); }},
        {kIdRadioInfo, QT_TR_NOOP("读取对讲机信息\n对讲机信息"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnRadioInfo); }},
        {kIdChannelInfo, QT_TR_NOOP("显示信道信息\n信道信息"), "", Needs::Frame,
         [](CMainFrame& f) { f.OnChannelInfo(); }},
        {kIdModel, QT_TR_NOOP("机型"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnModelInfo); }},
        {kIdOptions, QT_TR_NOOP("可选功能"), "", Needs::Frame,
         [](CMainFrame& f) { Editors::OptionalFeatures(&f); }},
        {kIdDtmf, QT_TR_NOOP("DTMF"), "", Needs::Frame, [](CMainFrame& f) { Editors::Dtmf(&f); }},
        {kIdFmRadio, QT_TR_NOOP("收音机"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnFmReceiver); }},
        {kIdParameterAdjust, QT_TR_NOOP("参数调节"), "", Needs::Document,
         [](CMainFrame& f) { f.ViewCommand(&CProgramView::OnParameterAdjust); }},
        {kIdDtmfDecoderInit, QT_TR_NOOP("DTMF 初始化"), "", Needs::Frame,
         [](CMainFrame& f) { Service::DtmfDecoderInit(&f); }},
        {kIdToolBar, QT_TR_NOOP("显示或隐藏工具栏"), "", Needs::Toggle,
         [](CMainFrame& f) {
             f.m_toolBar->setVisible(f.m_toolBar->isHidden());
             f.ShowBarStates();
         }},
        {kIdStatusBar, QT_TR_NOOP("显示或隐藏状态栏"), "", Needs::Toggle,
         [](CMainFrame& f) {
             f.statusBar()->setVisible(f.statusBar()->isHidden());
             f.ShowBarStates();
         }},
        {kIdNavigationBar, QT_TR_NOOP("显示或隐藏分隔栏\n分隔栏"), "Ctrl+B", Needs::Toggle,
         [](CMainFrame& f) { f.OnToggleNavigationBar(); }},
        {kIdCopy, "", "Ctrl+C; Ctrl+Ins", Needs::Nothing, nullptr},
        {kIdPaste, "", "Ctrl+V; Shift+Ins", Needs::Nothing, nullptr},
        {kIdCut, "", "Ctrl+X; Shift+Del", Needs::Nothing, nullptr},
        {kIdUndo, QT_TR_NOOP("撤销上一步修改\n撤销"), "Ctrl+Z; Alt+Backspace", Needs::Document,
         [](CMainFrame& f) { f.OnUndo(); }},
        {kIdRedo, QT_TR_NOOP("重做撤销的修改\n重做"), "Ctrl+Y", Needs::Document,
         [](CMainFrame& f) { f.OnRedo(); }},
        {kIdNextPane, "", "F6", Needs::Nothing, nullptr},
        {kIdPreviousPane, "", "Shift+F6", Needs::Nothing, nullptr},
    };
    for (const Command& command : kCommands) {
        auto* action = new QAction(this);
        action->setData(command.id);
        const QString prompt = tr(command.prompt);
        const qsizetype newline = prompt.indexOf('\n');
        action->setStatusTip(prompt.left(newline));
        action->setToolTip(newline >= 0 ? prompt.mid(newline + 1) : QString());
        action->setShortcuts(QKeySequence::listFromString(command.keys));
        action->setCheckable(command.needs == Needs::Toggle);
        action->setChecked(command.needs == Needs::Toggle);
        // Inert accelerators are disabled, so the key reaches the focused control.
        action->setEnabled(command.needs != Needs::Nothing);
        if (command.needs == Needs::Document)
            m_documentCommands << command.id;
        if (command.run)
            connect(action, &QAction::triggered, this,
                    [this, run = command.run, step = UndoStepName(command.id)] {
                        if (!step)
                            return run(*this);
                        const CImageStep scope(tr(step));
                        run(*this);
                    });
        m_actions.insert(command.id, action);
        addAction(action);
    }
}

void CMainFrame::CreateMenus() {
    m_noDocumentMenus = BuildMenuSet(false);
    m_documentMenus = BuildMenuSet(true);
    if (g_serviceMode)
        AddServiceItems();
    FillRecentFiles(m_noDocumentMenus);
    FillRecentFiles(m_documentMenus);
    UpdateMenus();
}

CMainFrame::MenuSet CMainFrame::BuildMenuSet(bool document) {
    MenuSet set;
    const std::span<const Menu> menus =
        document ? std::span<const Menu>(kDocumentMenus) : std::span<const Menu>(kNoDocumentMenus);
    for (const Menu& layout : menus) {
        auto* menu = new QMenu(tr(layout.title), this);
        set.menus << menu;
        for (const MenuItem& item : layout.items) {
            if (item.id == kSeparator) {
                menu->addSeparator();
            } else if (item.id == kRecentFileList) {
                set.file = menu;
                set.recentEnd = menu->addSeparator();
                set.recentEnd->setVisible(false);
            } else {
                AddMenuItem(menu, item.id, item.text);
                if (item.id == kIdModel)
                    set.edit = menu;
            }
        }
        if (layout.items.data() == kDocumentSettings)
            AddLanguageMenu(menu);
    }
    return set;
}

// A menu item shows the command's text for this menu and its shortcut, and runs the command.
// The shortcut itself belongs to the command alone, so each key has exactly one owner.
QAction* CMainFrame::AddMenuItem(QMenu* menu, int id, const char* text) {
    QAction* command = m_actions.value(id);
    QString label = tr(text);
    if (!command->shortcut().isEmpty())
        label += '\t' + command->shortcut().toString(QKeySequence::NativeText);
    QAction* item = menu->addAction(label);
    item->setData(id);
    item->setStatusTip(command->statusTip());
    item->setCheckable(command->isCheckable());
    auto follow = [item, command] {
        item->setEnabled(command->isEnabled());
        item->setChecked(command->isChecked());
    };
    follow();
    connect(command, &QAction::changed, item, follow);
    connect(item, &QAction::triggered, command, &QAction::trigger);
    return item;
}

void CMainFrame::AddServiceItems() {
    if (m_serviceItems)
        return;
    m_serviceItems = true;
    for (const MenuItem& item : kServiceItems)
        AddMenuItem(m_documentMenus.edit, item.id, item.text);
}

void CMainFrame::FillRecentFiles(MenuSet& set) {
    qDeleteAll(set.recent);
    set.recent.clear();
    const QStringList files = RecentSettings().value(kRecentKey).toStringList();
    if (files.isEmpty()) {
        set.recent << new QAction(tr("最近文件"), set.file);
        set.recent.front()->setEnabled(false);
    }
    for (int i = 0; i < files.size() && i < kRecentFiles; ++i) {
        const QString path = files[i];
        auto* item = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), set.file);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] {
            if (MaySetImageAside())
                m_docManager->OpenDocumentFile(path);
        });
        set.recent << item;
    }
    set.file->insertActions(set.recentEnd, set.recent);
}

void CMainFrame::AddRecentFile(const QString& path) {
    QSettings settings = RecentSettings();
    QStringList files = settings.value(kRecentKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFiles)
        files.removeLast();
    settings.setValue(kRecentKey, files);
    FillRecentFiles(m_noDocumentMenus);
    FillRecentFiles(m_documentMenus);
}

void CMainFrame::UpdateMenus() {
    const bool document = !Children().isEmpty();
    const QList<QMenu*>& menus = document ? m_documentMenus.menus : m_noDocumentMenus.menus;
    QMenuBar* bar = menuBar();
    if (bar->actions().value(0) != menus.front()->menuAction()) {
        bar->clear();
        for (QMenu* menu : menus)
            bar->addMenu(menu);
    }
    for (int id : m_documentCommands)
        m_actions[id]->setEnabled(document);
    UpdateHistoryState();
}
