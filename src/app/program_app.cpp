#include "app/program_app.h"

#include "app/app_globals.h"
#include "app/doc_manager.h"
#include "app/ini_file.h"
#include "app/main_frame.h"
#include "app/startup_splash_wnd.h"
#include "link/port_name.h"

#include <QApplication>

#include <chrono>
#include <thread>

CProgramApp::CProgramApp() = default;
CProgramApp::~CProgramApp() = default;

bool CProgramApp::InitInstance(const QString& file) {
    g_exeDir = ProgramDirectory();
    const CIniFile ini(ProgramIniPath());
    g_portName = PortNameForNumber(ini.GetInt("Setup", "COM", 0));
    g_radioType = ini.GetString("Setup", "Type");
    if (CStartupSplashWnd* splash = CStartupSplashWnd::ShowSplash(DataFilePath("startup.bmp"))) {
        m_splashShown = true;
        QApplication::processEvents();
        // The picture stays at least a second; its timer removes it once the loop runs.
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        (void)splash;
    }
    m_mainFrame = std::make_unique<CMainFrame>();
    const bool ok = file.isEmpty() ? m_mainFrame->DocManager().NewDocument()
                                   : m_mainFrame->DocManager().OpenDocumentFile(file);
    if (!ok)
        return false;
    m_mainFrame->showMaximized();
    return true;
}
