#include "tray/CVornSysTrayApp.h"

#include "service/DeviceService.h"

#include <QApplication>

bool CVornSysTrayApp::InitInstance()
{
    using Result = quor::system::SingleInstanceMarker::Result;
    // Only an existing marker ends the start; without a runtime folder the tray still runs.
    if (m_instanceMarker.Create(kSingleInstanceName) == Result::AlreadyExists)
        return false;
    QApplication::setQuitOnLastWindowClosed(false);
    if (FAILED(RegisterDeviceService()))
        return false;
    m_pMainWnd = std::make_unique<CVornSysTrayDlg>();
    m_pMainWnd->OnInitDialog();
    return true;
}

int CVornSysTrayApp::ExitInstance(int exitCode)
{
    m_pMainWnd.reset();
    return exitCode;
}
