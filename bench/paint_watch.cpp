// Starts a program and reports, from the X server's own events, how long after its start a
// window with the given title was first drawn into (the first Damage event on it), and the
// program's peak memory a moment later. Prints "<milliseconds> <KiB>" and ends the program.
//
//   paint-watch <title> <program> [arguments...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string title(xcb_connection_t *x, xcb_window_t window)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                       size_t(xcb_get_property_value_length(reply.get())));
}

long peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: paint-watch <title> <program> [arguments...]\n");
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present)
        return 1;
    xcb_discard_reply(x, xcb_damage_query_version(x, 1, 1).sequence);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    // Every new top-level window is watched from its creation, so no drawing is missed.
    while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
        const int type = event->response_type & ~0x80;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            xcb_damage_create(x, xcb_generate_id(x), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *drawn = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (title(x, drawn->drawable) == argv[1]) {
                const auto painted = std::chrono::steady_clock::now();
                std::free(event);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(painted - start).count(),
                            peakKiB(child));
                kill(child, SIGTERM);
                waitpid(child, nullptr, 0);
                return 0;
            }
        }
        std::free(event);
    }
    return 1;
}
