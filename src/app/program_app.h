#pragma once

#include <QString>

#include <memory>

class CMainFrame;

// Start-up: settings, port name, radio type, splash, main window, first document.
class CProgramApp {
  public:
    CProgramApp();
    ~CProgramApp();
    // `file`, when not empty, opens that file instead of a new document.
    bool InitInstance(const QString& file);
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    bool SplashShown() const { return m_splashShown; }

  private:
    std::unique_ptr<CMainFrame> m_mainFrame;
    bool m_splashShown = false;
};
