// quorctl: the virtual mouse from the command line. Shows its whole state as JSON, plugs it in
// and out, presses its buttons, changes profiles and sensitivity, resets it to the factory state,
// and watches its events. Errors go to stderr with a non-zero exit.

#include "platform/com/Guid.h"
#include "service/DeviceJson.h"
#include "service/DeviceStore.h"
#include "service/DeviceWatcher.h"
#include "service/TextConversion.h"
#include "service/VirtualMouse.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

using namespace quor::service;

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

constexpr char kUsage[] =
    "usage: quorctl [--db PATH] COMMAND\n"
    "  status                 the whole device state as JSON\n"
    "  reset                  back to the factory state\n"
    "  plug | unplug          plug the mouse in or out\n"
    "  add-profile NAME       add a profile with factory settings\n"
    "  remove-profile NAME\n"
    "  activate NAME          make a profile current\n"
    "  set-program NAME FILE  bind a program to a profile\n"
    "  set-flags NAME BITS    profile flags: 0x1 auto switch, 0x2 DPI display, 0x4 profile display\n"
    "  set-dpi X Y            current sensitivity of the current profile\n"
    "  press BUTTON           press a button (1, 2, 3, 25, 26, 10, 11)\n"
    "  press-key SCANCODE     press a thumb-grid key\n"
    "  watch                  print one JSON line per event until interrupted\n";

int Fail(const std::string& what, HRESULT result)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<uint32_t>(result));
    std::cerr << "quorctl: " << what << " failed (" << code << ")\n";
    return kFailure;
}

bool ParseNumber(const std::string& text, int64_t& value)
{
    int base = 10;
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return error == std::errc() && end == digits.data() + digits.size();
}

HRESULT ProfileByName(VirtualMouse& mouse, const std::string& name, GUID& id)
{
    return mouse.FindProfileByName(FromUtf8(name), id);
}

int Watch(VirtualMouse& mouse)
{
    DeviceWatcher watcher;
    if (const HRESULT opened = watcher.Open(mouse.Path()); FAILED(opened))
        return Fail("watch", opened);
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
    if (signalFd < 0)
        return Fail("watch", E_FAIL);
    // Tells a waiting reader that every later change will be reported.
    std::cout << nlohmann::json{{"event", "watching"}}.dump() << std::endl;
    pollfd descriptors[2] = {{watcher.Fd(), POLLIN, 0}, {signalFd, POLLIN, 0}};
    for (;;) {
        if (poll(descriptors, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (descriptors[1].revents)
            break;
        std::vector<DeviceEvent> events;
        if (const HRESULT read = watcher.ReadEvents(events); FAILED(read)) {
            close(signalFd);
            return Fail("watch", read);
        }
        DeviceSnapshot snapshot;
        const bool named = !events.empty() && SUCCEEDED(mouse.Snapshot(snapshot));
        for (const auto& event : events)
            std::cout << EventToJson(event, named ? &snapshot : nullptr).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << std::endl;
    }
    close(signalFd);
    return 0;
}

int Run(VirtualMouse& mouse, const std::vector<std::string>& args)
{
    const std::string& command = args[0];
    auto needs = [&](size_t count) { return args.size() == count + 1; };
    if (command == "status" && needs(0)) {
        DeviceSnapshot snapshot;
        if (const HRESULT read = mouse.Snapshot(snapshot); FAILED(read))
            return Fail("status", read);
        std::cout << SnapshotToJson(snapshot).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return 0;
    }
    if (command == "reset" && needs(0)) {
        const HRESULT reset = mouse.Reset();
        return FAILED(reset) ? Fail("reset", reset) : 0;
    }
    if ((command == "plug" || command == "unplug") && needs(0)) {
        const HRESULT plugged = mouse.SetPlugged(command == "plug");
        return FAILED(plugged) ? Fail(command, plugged) : 0;
    }
    if (command == "add-profile" && needs(1)) {
        GUID id;
        if (const HRESULT created = mouse.CreateProfile(id); FAILED(created))
            return Fail("add-profile", created);
        const std::u16string name = FromUtf8(args[1]);
        const HRESULT named = mouse.EditProfile(id, [&](ProfileState& profile) {
            profile.name = name;
            return S_OK;
        });
        if (FAILED(named)) {
            mouse.RemoveProfile(id);
            return Fail("add-profile", named);
        }
        std::cout << quor::com::GuidToString(id) << '\n';
        return 0;
    }
    if ((command == "remove-profile" || command == "activate") && needs(1)) {
        GUID id;
        if (const HRESULT found = ProfileByName(mouse, args[1], id); FAILED(found))
            return Fail("finding profile \"" + args[1] + "\"", found);
        const HRESULT done = command == "activate" ? mouse.SetCurrentProfile(id) : mouse.RemoveProfile(id);
        return FAILED(done) ? Fail(command, done) : 0;
    }
    if ((command == "set-program" || command == "set-flags") && needs(2)) {
        GUID id;
        if (const HRESULT found = ProfileByName(mouse, args[1], id); FAILED(found))
            return Fail("finding profile \"" + args[1] + "\"", found);
        int64_t bits = 0;
        if (command == "set-flags" && (!ParseNumber(args[2], bits) || bits < 0 || bits > 7)) {
            std::cerr << "quorctl: BITS must be a number from 0 to 7\n";
            return kUsageError;
        }
        const std::u16string program = FromUtf8(args[2]);
        const HRESULT done = mouse.EditProfile(id, [&](ProfileState& profile) {
            if (command == "set-program")
                profile.program = program;
            else
                profile.flags = static_cast<uint16_t>(bits);
            return S_OK;
        });
        return FAILED(done) ? Fail(command, done) : 0;
    }
    if (command == "set-dpi" && needs(2)) {
        int64_t x = 0, y = 0;
        if (!ParseNumber(args[1], x) || !ParseNumber(args[2], y) || x <= 0 || y <= 0 || x > INT32_MAX || y > INT32_MAX) {
            std::cerr << "quorctl: X and Y must be positive numbers\n";
            return kUsageError;
        }
        GUID id;
        if (const HRESULT found = mouse.CurrentProfile(id); FAILED(found))
            return Fail("finding the current profile", found);
        const HRESULT done = mouse.EditProfile(id, [&](ProfileState& profile) {
            profile.currentX = profile.Clamp(static_cast<int32_t>(x));
            profile.currentY = profile.Clamp(static_cast<int32_t>(y));
            return S_OK;
        });
        return FAILED(done) ? Fail(command, done) : 0;
    }
    if ((command == "press" || command == "press-key") && needs(1)) {
        int64_t what = 0;
        if (!ParseNumber(args[1], what) || what < 0 || what > UINT16_MAX) {
            std::cerr << "quorctl: " << args[1] << " is not a button or scan code\n";
            return kUsageError;
        }
        std::string outcome;
        const auto code = static_cast<uint32_t>(what);
        const HRESULT done = command == "press" ? mouse.PressButton(code, outcome) : mouse.PressKey(code, outcome);
        if (done == E_INVALIDARG) {
            std::cerr << "quorctl: the mouse has no " << (command == "press" ? "button " : "key ") << args[1] << '\n';
            return kFailure;
        }
        if (FAILED(done))
            return Fail(command, done);
        std::cout << outcome << (done == S_FALSE ? " (nothing changes in the mouse)" : "") << '\n';
        return 0;
    }
    if (command == "watch" && needs(0))
        return Watch(mouse);
    std::cerr << kUsage;
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::filesystem::path store = DeviceStore::DefaultPath();
    if (args.size() >= 2 && args[0] == "--db") {
        store = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? std::cerr : std::cout) << kUsage;
        return args.empty() ? kUsageError : 0;
    }
    std::shared_ptr<VirtualMouse> mouse;
    if (const HRESULT opened = VirtualMouse::Open(store, VirtualMouse::Presence::Ignored, mouse); FAILED(opened))
        return Fail("opening " + store.string(), opened);
    try {
        return Run(*mouse, args);
    } catch (const std::exception& failure) {
        std::cerr << "quorctl: " << failure.what() << '\n';
        return kFailure;
    }
}
