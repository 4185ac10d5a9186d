#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class CChildFrame;
class CLockIndicators;
class CMyDocManager;
class CNavigationBar;
class CProgramDoc;
class CProgramView;
class QMdiArea;
class QMenu;
class QPrinter;

// The main window: menus (one set without a document, one with), toolbar, status bar, the
// navigation bar and the MDI area holding the document windows. The title never changes.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame();
    ~CMainFrame() override;

    // The command with this id; it carries the shortcut and runs the command.
    QAction* Action(int id) const { return m_actions.value(id); }
    CNavigationBar* NavigationBar() const { return m_navigation; }
    QMdiArea* MdiArea() const { return m_mdi; }
    CMyDocManager& DocManager() const { return *m_docManager; }
    CChildFrame* ActiveChild() const;
    CProgramView* ActiveView() const;
    QList<CChildFrame*> Children() const;
    // The printer that print setup changes and printing and preview use.
    QPrinter& Printer();

    void AddDocumentWindow(std::unique_ptr<CProgramDoc> doc);
    void AddRecentFile(const QString& path);

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnOpenBackup();
    void OnFileClose();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnChannelInfo();
    void OnUndo();
    void OnRedo();
    // Nothing changed since the document was made, opened, saved or read, or the user saved
    // or chose to discard the changes; false when the user cancelled.
    bool MaySetImageAside();
    void OnToggleNavigationBar();
    // After a correct service password: the service entries at the end of "编辑" and the
    // "初始化" button of every view, once for the run.
    void EnableServiceMode();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct MenuSet {
        QList<QMenu*> menus;
        QMenu* edit = nullptr;
        QMenu* file = nullptr;
        QAction* recentEnd = nullptr; // recent files are inserted before it
        QList<QAction*> recent;
    };

    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateNavigationBar();
    void CreateBackground();
    MenuSet BuildMenuSet(bool document);
    QAction* AddMenuItem(QMenu* menu, int id, const char* text);
    void AddServiceItems();
    void FillRecentFiles(MenuSet& set);
    // Shows the menu set that fits the documents and enables the commands that need one.
    void UpdateMenus();
    void ViewCommand(void (CProgramView::*command)());
    // The toggles are checked exactly while their bars are shown.
    void ShowBarStates();
    void OnPrintSetup();
    // Undo and redo items with the steps' names; the active document's title with "*" while
    // the image differs from the clean one.
    void UpdateHistoryState();
    void ReloadViews();

    QMdiArea* m_mdi;
    CNavigationBar* m_navigation = nullptr;
    QToolBar* m_toolBar = nullptr;
    CLockIndicators* m_locks = nullptr;
    QHash<int, QAction*> m_actions;
    QList<int> m_documentCommands;
    MenuSet m_noDocumentMenus;
    MenuSet m_documentMenus;
    std::unique_ptr<CMyDocManager> m_docManager;
    std::unique_ptr<QPrinter> m_printer;
    bool m_closing = false;
    bool m_serviceItems = false;
    QPointer<CChildFrame> m_lastActive; // stays active while hidden by Close
};
