#include "app/PlatformChoice.h"

#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvanel::app {

// How the program meets a Wayland desktop, and why.
//
// Every window of ours has one fixed size and no maximise button, the title reads whole, and the
// main and Key windows open centred. A Wayland compositor that draws the window frames itself (KDE
// Plasma's KWin) keeps all of that for a native Wayland window, apart from the centring, which it
// does by its own placement. One that draws none (GNOME's mutter, weston) leaves the frame to Qt,
// whose frame on Qt 6.4 shows a maximise button that works, cuts a short title ("Ke") and leaves
// the window wherever the compositor puts it. The same compositor frames an X11 window through
// XWayland itself, honours its fixed size and lets the program centre it. So: native Wayland where
// the compositor draws frames, X11 through XWayland where it does not; native Wayland too where
// there is no XWayland, since that is the only way left. A platform the user names always wins.
QByteArray choosePlatform(const SessionFacts& facts)
{
    if (facts.platformNamed || !facts.waylandSession || !facts.x11Reachable) {
        return {};
    }
    return facts.compositorDrawsFrames ? QByteArrayLiteral("wayland") : QByteArrayLiteral("xcb");
}

namespace {

// The compositor's answer must not hold up a start; it usually comes in well under a millisecond.
constexpr int kAnswerTimeoutMs = 500;
constexpr char kFrameProtocol[] = "zxdg_decoration_manager_v1";

// The Wayland wire format: each message is a header of two 32-bit words, the object and
// (size << 16 | opcode), followed by its arguments in native byte order.
constexpr uint32_t kDisplayObject = 1;
constexpr uint32_t kRegistryObject = 2;
constexpr uint32_t kCallbackObject = 3;
constexpr uint32_t kSyncRequest = 0;
constexpr uint32_t kGetRegistryRequest = 1;
constexpr uint32_t kGlobalEvent = 0;
constexpr uint32_t kDoneEvent = 0;
constexpr uint32_t kErrorEvent = 0;
constexpr size_t kHeaderBytes = 8;

/** Reads the interface name of a wl_registry.global event's arguments. */
bool announces(const uint32_t* arguments, size_t argumentBytes, const char* interface)
{
    // name (uint), interface (string: length including its terminator, then the bytes), version.
    if (argumentBytes < 8) {
        return false;
    }
    const uint32_t length = arguments[1];
    if (length == 0 || length > argumentBytes - 8) {
        return false;
    }
    const char* text = reinterpret_cast<const char*>(arguments + 2);
    return text[length - 1] == '\0' && std::strcmp(text, interface) == 0;
}

/** How far the messages at the start of a buffer were read, and whether the answer is complete. */
struct Reading
{
    size_t used = 0;
    bool done = false;
};

/** Reads the whole messages in the first @p held bytes of @p buffer; sets @p found on the announcement. */
Reading readMessages(const char* buffer, size_t held, bool& found)
{
    Reading reading;
    while (held - reading.used >= kHeaderBytes) {
        const auto* header = reinterpret_cast<const uint32_t*>(buffer + reading.used);
        const uint32_t size = header[1] >> 16;
        const uint32_t opcode = header[1] & 0xffff;
        if (size < kHeaderBytes || size % 4 != 0) {
            reading.done = true; // not the protocol we know
            return reading;
        }
        if (held - reading.used < size) {
            return reading;
        }
        if (header[0] == kRegistryObject && opcode == kGlobalEvent) {
            found = found || announces(header + 2, size - kHeaderBytes, kFrameProtocol);
        } else if ((header[0] == kCallbackObject && opcode == kDoneEvent)
                   || (header[0] == kDisplayObject && opcode == kErrorEvent)) {
            reading.done = true;
        }
        reading.used += size;
    }
    return reading;
}

/** A socket connected to the compositor at @p socketPath, or -1. */
int connectTo(const QByteArray& socketPath)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (socketPath.isEmpty() || static_cast<size_t>(socketPath.size()) >= sizeof(address.sun_path)) {
        return -1;
    }
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<size_t>(socketPath.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket >= 0 && ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

} // namespace

bool compositorDrawsFrames(const QByteArray& socketPath)
{
    const int socket = connectTo(socketPath);
    if (socket < 0) {
        return false;
    }
    bool found = false;
    // wl_display.get_registry lists every global; the wl_display.sync after it ends the list.
    const uint32_t requests[] = {kDisplayObject, (12u << 16) | kGetRegistryRequest, kRegistryObject,
                                 kDisplayObject, (12u << 16) | kSyncRequest,        kCallbackObject};
    if (::send(socket, requests, sizeof(requests), MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof(requests))) {
        alignas(uint32_t) char buffer[16384];
        size_t held = 0;
        for (bool done = false; !done;) {
            pollfd ready {socket, POLLIN, 0};
            if (::poll(&ready, 1, kAnswerTimeoutMs) <= 0) {
                break;
            }
            const ssize_t got = ::recv(socket, buffer + held, sizeof(buffer) - held, 0);
            if (got <= 0) {
                break;
            }
            held += static_cast<size_t>(got);
            const Reading reading = readMessages(buffer, held, found);
            // A message larger than the buffer cannot be read: give up rather than loop.
            if (reading.used == 0 && held == sizeof(buffer)) {
                break;
            }
            std::memmove(buffer, buffer + reading.used, held - reading.used);
            held -= reading.used;
            done = reading.done;
        }
    }
    ::close(socket);
    return found;
}

namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

bool namesPlatform(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

/** Where a Wayland program connects: WAYLAND_DISPLAY, a name in XDG_RUNTIME_DIR or a path. */
QByteArray waylandSocketPath()
{
    QByteArray name = isSet("WAYLAND_DISPLAY") ? QByteArray(std::getenv("WAYLAND_DISPLAY")) : "wayland-0";
    if (name.startsWith('/')) {
        return name;
    }
    return isSet("XDG_RUNTIME_DIR") ? QByteArray(std::getenv("XDG_RUNTIME_DIR")) + '/' + name : QByteArray();
}

} // namespace

QByteArray platformForThisSession(int argc, char** argv)
{
    SessionFacts facts;
    facts.platformNamed = isSet("QT_QPA_PLATFORM") || namesPlatform(argc, argv);
    const char* sessionType = std::getenv("XDG_SESSION_TYPE");
    facts.waylandSession = isSet("WAYLAND_DISPLAY") || isSet("WAYLAND_SOCKET")
        || (sessionType && std::strcmp(sessionType, "wayland") == 0);
    facts.x11Reachable = isSet("DISPLAY");
    if (!facts.platformNamed && facts.waylandSession && facts.x11Reachable) {
        // The one case the compositor's answer decides. A socket handed over in WAYLAND_SOCKET is
        // Qt's alone to use: whoever handed it over meant the program to speak Wayland on it.
        facts.compositorDrawsFrames = isSet("WAYLAND_SOCKET") || compositorDrawsFrames(waylandSocketPath());
    }
    return choosePlatform(facts);
}

StartArguments::StartArguments(int argc, char** argv)
    : m_platform(platformForThisSession(argc, argv))
{
    m_values.assign(argv, argv + argc);
    if (!m_platform.isEmpty()) {
        // Right after the program's name, so that it reads as any other Qt option.
        m_values.insert(m_values.begin() + (argc > 0 ? 1 : 0), {m_platformOption.data(), m_platform.data()});
    }
    m_count = static_cast<int>(m_values.size());
    m_values.push_back(nullptr);
}

} // namespace corvanel::app
