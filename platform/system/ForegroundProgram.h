#pragma once

// The program that owns the foreground window, in place of GetForegroundWindow,
// GetWindowThreadProcessId and a process snapshot: on X11 the window manager's
// _NET_ACTIVE_WINDOW, its _NET_WM_PID, then /proc/<pid>/exe. Without X11 (the offscreen
// platform, Wayland) there is no foreground program.

#include <optional>
#include <string>
#include <sys/types.h>

namespace quor::system {

class ForegroundProgram {
public:
    // The process id of the foreground window's program; none without one.
    static std::optional<pid_t> ProcessId();

    // The executable file name of the foreground program, without folder ("firefox-esr"); none
    // without a foreground window or when the process cannot be looked at.
    static std::optional<std::u16string> FileName();

    // The executable file name of a process, without folder.
    static std::optional<std::u16string> ExecutableFileName(pid_t process);

    // The file name in a /proc/PID/exe link target. A program whose file was replaced while it
    // runs (an upgrade) shows "path (deleted)"; it is still the same program.
    static std::u16string FileNameOfExeLink(const std::string& target);
};

} // namespace quor::system
