#pragma once

// The window functions the skin and the tray call, on Qt widgets. Messages reach a window only
// when it is a MessageWindow; to any other widget they are ignored (sending returns 0).

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace quor::win {

// Delivers the message later, from the event loop, in posting order. False for no window.
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Delivers the message now, on the calling thread, and returns WindowProc's result.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND GetParent(HWND window);

// The control id a child window reports in WM_COMMAND; 0 until set.
void SetDlgCtrlID(HWND window, int id);
int GetDlgCtrlID(HWND window);

// Sends WM_COMMAND with the child's control id and the notification code to the child's parent.
LRESULT SendCommandToParent(HWND child, uint16_t notificationCode);

// Starts (or restarts with the new period) the window's timer with that id; WM_TIMER then
// arrives with the id in wParam every elapse milliseconds until KillTimer. Returns the id, or 0
// for no window or id 0.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs);
bool KillTimer(HWND window, UINT_PTR id);

// Mouse capture: the captured window gets all mouse input. Returns the window that had it.
// Losing the capture sends WM_CAPTURECHANGED to the window that had it.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();

} // namespace quor::win
