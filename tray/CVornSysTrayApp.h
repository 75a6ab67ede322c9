#pragma once

// The tray program's application object: the single-instance check at start, the hidden main
// window, and its end.

#include "platform/system/SingleInstanceMarker.h"
#include "tray/CVornSysTrayDlg.h"

#include <memory>

class CVornSysTrayApp {
public:
    // False when another tray program runs (this one then ends silently) or the main window
    // cannot be made. Needs the QApplication.
    bool InitInstance();
    // Deletes the main window if it still exists; returns the exit code.
    int ExitInstance(int exitCode);

    CVornSysTrayDlg* GetMainWnd() const { return m_pMainWnd.get(); }

private:
    // Held for the life of the process: it is what makes a later start see this one.
    quor::system::SingleInstanceMarker m_instanceMarker;
    std::unique_ptr<CVornSysTrayDlg> m_pMainWnd;
};
