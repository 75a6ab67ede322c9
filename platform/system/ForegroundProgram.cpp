#include "platform/system/ForegroundProgram.h"

#include "platform/system/Utf16.h"

#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <xcb/xcb.h>

namespace quor::system {

namespace {

struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The first 32-bit item of a window property; none when it is missing. Any type is taken: some
// tools write WINDOW or CARDINAL values as plain integers.
std::optional<uint32_t> CardinalProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    if (property == XCB_ATOM_NONE)
        return std::nullopt;
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

} // namespace

std::optional<pid_t> ForegroundProgram::ProcessId()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    const auto active = CardinalProperty(connection, screen->root, InternAtom(connection, "_NET_ACTIVE_WINDOW"));
    if (!active || *active == XCB_WINDOW_NONE)
        return std::nullopt;
    const auto pid = CardinalProperty(connection, *active, InternAtom(connection, "_NET_WM_PID"));
    if (!pid || *pid == 0)
        return std::nullopt;
    return static_cast<pid_t>(*pid);
}

std::optional<std::u16string> ForegroundProgram::FileName()
{
    const auto process = ProcessId();
    return process ? ExecutableFileName(*process) : std::nullopt;
}

std::optional<std::u16string> ForegroundProgram::ExecutableFileName(pid_t process)
{
    std::error_code error;
    const std::filesystem::path exe =
        std::filesystem::read_symlink("/proc/" + std::to_string(process) + "/exe", error);
    if (error || exe.empty())
        return std::nullopt;
    return FileNameOfExeLink(exe.string());
}

std::u16string ForegroundProgram::FileNameOfExeLink(const std::string& target)
{
    static constexpr std::string_view kDeleted = " (deleted)";
    std::string_view path = target;
    if (path.size() > kDeleted.size() && path.ends_with(kDeleted))
        path.remove_suffix(kDeleted.size());
    return FromUtf8(std::filesystem::path(path).filename().string());
}

} // namespace quor::system
