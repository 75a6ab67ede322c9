#pragma once

// A named single-instance marker in place of a named mutex that a program creates at start and
// keeps open: the first holder of a name makes it exist, a later one learns that it already
// exists. It is a lock file held with flock in the user's runtime folder ($XDG_RUNTIME_DIR, else
// /tmp/quor-<uid>), so a process that ends in any way, a crash included, frees the name.

#include <filesystem>
#include <string_view>

namespace quor::system {

class SingleInstanceMarker {
public:
    enum class Result { Created, AlreadyExists, Failed };

    SingleInstanceMarker() = default;
    ~SingleInstanceMarker();
    SingleInstanceMarker(const SingleInstanceMarker&) = delete;
    SingleInstanceMarker& operator=(const SingleInstanceMarker&) = delete;

    // Created: this object now holds the name until it is closed or destroyed. AlreadyExists:
    // another holder has it (this object holds nothing). Failed: the runtime folder or the lock
    // file cannot be made.
    Result Create(std::u16string_view name);
    void Close();
    bool IsHeld() const { return m_fd >= 0; }

    static std::filesystem::path Folder();

private:
    int m_fd = -1;
};

} // namespace quor::system
