#pragma once

// The tray program's application object: the single-instance check at start, the hidden main
// window, and its end.

#include "platform/system/SingleInstanceMarker.h"
#include "platform/system/TerminationNotifier.h"
#include "tray/CVornSysTrayDlg.h"

#include <memory>

class CVornSysTrayApp {
public:
    // False when another tray program runs (this one then ends silently) or the main window
    // cannot be made. Needs the QApplication.
    bool InitInstance();
    // The message loop until the main window is gone or the program is asked to end.
    int Run();
    // Deletes the main window if it still exists; returns the exit code.
    int ExitInstance(int exitCode);

    CVornSysTrayDlg* GetMainWnd() const { return m_pMainWnd.get(); }

private:
    // A request to end (log-out, a service manager) closes the program as its menu would.
    void OnTermination();

    // Held for the life of the process: it is what makes a later start see this one.
    quor::system::SingleInstanceMarker m_instanceMarker;
    std::unique_ptr<CVornSysTrayDlg> m_pMainWnd;
    quor::system::TerminationNotifier m_termination;
    bool m_terminationRequested = false;
};
