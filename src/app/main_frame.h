#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class CChildFrame;
class CMyDocManager;
class CNavigationBar;
class CProgramDoc;
class CProgramView;
class QMdiArea;
class QMenu;

// The main window: menus (one set without a document, one with), toolbar, status bar, the
// navigation bar and the MDI area holding the document windows. The title never changes.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame();
    ~CMainFrame() override;

    QAction* Action(int id) const { return m_actions.value(id); }
    CNavigationBar* NavigationBar() const { return m_navigation; }
    QMdiArea* MdiArea() const { return m_mdi; }
    CMyDocManager& DocManager() const { return *m_docManager; }
    CChildFrame* ActiveChild() const;
    CProgramView* ActiveView() const;
    QList<CChildFrame*> Children() const;

    void AddDocumentWindow(std::unique_ptr<CProgramDoc> doc);
    void AddRecentFile(const QString& path);

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnChannelInfo();
    void OnToggleNavigationBar();
    // After a correct service password: the service entries at the end of "编辑" and the
    // "初始化" button of every view, once for the run.
    void EnableServiceMode();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QAction* AddAction(int id, const QString& text, const QString& prompt,
                       const QKeySequence& shortcut = {});
    void CreateActions();
    void CreateToolBar();
    void CreateNavigationBar();
    void CreateBackground();
    void RebuildMenus();
    void FillRecentFiles(QMenu* menu);
    void ViewCommand(void (CProgramView::*command)());

    QMdiArea* m_mdi;
    CNavigationBar* m_navigation = nullptr;
    QToolBar* m_toolBar = nullptr;
    QHash<int, QAction*> m_actions;
    std::unique_ptr<CMyDocManager> m_docManager;
    bool m_closing = false;
    QPointer<CChildFrame> m_lastActive; // stays active while hidden by Close
};
