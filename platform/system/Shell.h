#pragma once

// Starting programs the way ShellExecuteW("open") does for an executable: detached from the
// caller, which neither waits for it nor learns how it ends.

#include <string_view>

namespace quor::system {

class Shell {
public:
    // Starts the program file in the folder, with the folder as its current directory. False
    // when the file cannot be started (missing, not executable).
    static bool Execute(std::u16string_view folder, std::u16string_view program);
};

} // namespace quor::system
