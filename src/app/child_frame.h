#pragma once

#include <QMdiSubWindow>

#include <memory>

class CProgramDoc;
class CProgramView;

// The document's window. Closing it only hides it; "信道信息" shows it again.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit CChildFrame(std::unique_ptr<CProgramDoc> doc);
    ~CChildFrame() override;

    CProgramView* View() const { return m_view; }
    CProgramDoc* Doc() const { return m_doc.get(); }
    // Destroys the window and its document for real (the view commits its grid first).
    void Destroy();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<CProgramDoc> m_doc;
    CProgramView* m_view;
    bool m_destroying = false;
};
