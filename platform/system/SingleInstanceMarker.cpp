#include "platform/system/SingleInstanceMarker.h"

#include "platform/system/Utf16.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor::system {

namespace {

// Names are free text ("CSingleInstanceApp{B98C6AA5-57C0}"); only the path separator would
// change their meaning as a file name.
std::string FileNameOf(std::u16string_view name)
{
    std::string file = ToUtf8(name);
    for (char& c : file) {
        if (c == '/')
            c = '_';
    }
    return file + ".lock";
}

} // namespace

SingleInstanceMarker::~SingleInstanceMarker()
{
    Close();
}

std::filesystem::path SingleInstanceMarker::Folder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    return std::filesystem::temp_directory_path() / ("quor-" + std::to_string(getuid()));
}

SingleInstanceMarker::Result SingleInstanceMarker::Create(std::u16string_view name)
{
    Close();
    const std::filesystem::path folder = Folder();
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return Result::Failed;
    const std::filesystem::path file = folder / FileNameOf(name);
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Failed;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        return error == EWOULDBLOCK ? Result::AlreadyExists : Result::Failed;
    }
    m_fd = fd;
    return Result::Created;
}

void SingleInstanceMarker::Close()
{
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
}

} // namespace quor::system
