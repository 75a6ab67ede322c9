#include "tray/CVornSysTrayApp.h"

#include "service/DeviceService.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "tray/TrayMenu.h"

#include <QApplication>

bool CVornSysTrayApp::InitInstance()
{
    using Result = quor::system::SingleInstanceMarker::Result;
    // Only an existing marker ends the start; without a runtime folder the tray still runs.
    if (m_instanceMarker.Create(kSingleInstanceName) == Result::AlreadyExists)
        return false;
    QApplication::setQuitOnLastWindowClosed(false);
    m_termination.Install([this] { OnTermination(); });
    if (FAILED(RegisterDeviceService()))
        return false;
    m_pMainWnd = std::make_unique<CVornSysTrayDlg>();
    m_pMainWnd->OnInitDialog();
    return true;
}

int CVornSysTrayApp::Run()
{
    // Asked to end while start-up still ran (in the message box): there is no loop to run.
    if (m_terminationRequested)
        return 0;
    return QApplication::exec();
}

void CVornSysTrayApp::OnTermination()
{
    m_terminationRequested = true;
    if (m_pMainWnd)
        quor::win::PostMessage(m_pMainWnd.get(), quor::win::WM_COMMAND, ID_CLOSE_TRAY_ICON, 0);
    else
        QCoreApplication::exit(0);
}

int CVornSysTrayApp::ExitInstance(int exitCode)
{
    m_pMainWnd.reset();
    return exitCode;
}
