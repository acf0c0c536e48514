// grisk-start-watch: times one start of a windowed program on an X server of
// its own (no window manager), by listening, not polling.
//
//   grisk-start-watch --title TITLE [--settle S] [--idle S] -- COMMAND ARGS...
//
// Before it starts COMMAND it selects SubstructureNotify on the root window
// and makes a Damage object on the root (raw rectangles), so no event of the
// program can come before it listens. It then prints one line:
//
//   map_ms=M paint_ms=P idle_ticks=T exit_ms=E gl=NAMES
//
// map_ms    from the fork to the MapNotify of the program's main window: the
//           largest top-level window titled TITLE that is still mapped once
//           the start has settled (a splash with the same title that came and
//           went does not count)
// paint_ms  from the fork to the first drawing inside that window
// idle_ticks clock ticks (1/100 s) the program used in the idle seconds that
//           follow the settle time, read from /proc (the program's pid is
//           the window's _NET_WM_PID, so COMMAND may wrap it, as GNU time does)
// exit_ms   from WM_DELETE_WINDOW sent to that window to COMMAND's end
// gl        OpenGL implementation libraries mapped by the program while it
//           idled ("none"); the glvnd dispatch stubs that Qt Gui itself
//           links (libOpenGL, libGLX, libEGL) are not counted
//
// Exit status: 0 when every value was measured and COMMAND exited 0.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

[[noreturn]] void die(const std::string& what) {
    std::fprintf(stderr, "grisk-start-watch: %s\n", what.c_str());
    std::exit(2);
}

struct Window {
    double mappedAt = -1;
    double paintedAt = -1;
    int x = 0, y = 0, w = 0, h = 0;
    std::string title;
    long pid = 0;
    bool mapped = false;
    double stacking = 0;  // later maps and raises lie on top
};

class Watch {
public:
    Watch() {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_)) die("cannot open the display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (!damage || !damage->present) die("the X server has no Damage extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(conn_, xcb_damage_query_version(conn_, 1, 1), nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_damage_create(conn_, xcb_generate_id(conn_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        netWmName_ = atom("_NET_WM_NAME");
        utf8_ = atom("UTF8_STRING");
        netWmPid_ = atom("_NET_WM_PID");
        wmProtocols_ = atom("WM_PROTOCOLS");
        wmDelete_ = atom("WM_DELETE_WINDOW");
        free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));  // all of it is in force
    }
    ~Watch() { xcb_disconnect(conn_); }

    // Reads events for up to ms milliseconds (or until the child ends).
    void pump(double ms, pid_t child, bool& childEnded) {
        const double until = nowMs() + ms;
        const int fd = xcb_get_file_descriptor(conn_);
        for (;;) {
            while (xcb_generic_event_t* ev = xcb_poll_for_event(conn_)) {
                handle(ev, nowMs());
                free(ev);
            }
            if (xcb_connection_has_error(conn_)) die("lost the display");
            if (!childEnded && child > 0 && waitpid(child, &status_, WNOHANG) == child) {
                childEnded = true;
                endedAt_ = nowMs();
            }
            const double left = until - nowMs();
            if (left <= 0 || childEnded) return;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, static_cast<int>(std::min(left, 5.0)) + 1);
        }
    }

    // The largest mapped window with the title, or 0.
    xcb_window_t mainWindow(const std::string& title) const {
        xcb_window_t best = 0;
        long bestArea = -1;
        for (const auto& [id, w] : windows_)
            if (w.mapped && w.title == title && long(w.w) * w.h > bestArea) {
                best = id;
                bestArea = long(w.w) * w.h;
            }
        return best;
    }
    const Window& window(xcb_window_t id) const { return windows_.at(id); }

    void sendDelete(xcb_window_t id) {
        xcb_client_message_event_t ev{};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = id;
        ev.type = wmProtocols_;
        ev.data.data32[0] = wmDelete_;
        ev.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(conn_, 0, id, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&ev));
        xcb_flush(conn_);
    }

    int status() const { return status_; }
    double endedAt() const { return endedAt_; }

private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, std::strlen(name), name), nullptr);
        if (!r) die(std::string("no atom ") + name);
        const xcb_atom_t a = r->atom;
        free(r);
        return a;
    }

    std::string property(xcb_window_t w, xcb_atom_t prop, xcb_atom_t type) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(conn_, xcb_get_property(conn_, 0, w, prop, type, 0, 1024), nullptr);
        if (!r) return {};
        std::string v(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
        free(r);
        return v;
    }

    void handle(xcb_generic_event_t* ev, double at) {
        const uint8_t type = ev->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(ev);
            if (e->event != root_) return;
            Window& w = windows_[e->window];
            w.mappedAt = at;
            w.paintedAt = -1;
            w.mapped = true;
            w.stacking = ++mapCount_;
            if (xcb_get_geometry_reply_t* g =
                    xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, e->window), nullptr)) {
                w.x = g->x;
                w.y = g->y;
                w.w = g->width;
                w.h = g->height;
                free(g);
            }
            w.title = property(e->window, netWmName_, utf8_);
            if (w.title.empty()) w.title = property(e->window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY);
            const std::string pid = property(e->window, netWmPid_, XCB_ATOM_CARDINAL);
            if (pid.size() >= 4) {
                uint32_t v = 0;
                std::memcpy(&v, pid.data(), 4);
                w.pid = v;
            }
        } else if (type == XCB_UNMAP_NOTIFY || type == XCB_DESTROY_NOTIFY) {
            const xcb_window_t id = type == XCB_UNMAP_NOTIFY
                                        ? reinterpret_cast<xcb_unmap_notify_event_t*>(ev)->window
                                        : reinterpret_cast<xcb_destroy_notify_event_t*>(ev)->window;
            if (auto it = windows_.find(id); it != windows_.end()) it->second.mapped = false;
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(ev);
            if (auto it = windows_.find(e->window); it != windows_.end()) {
                it->second.x = e->x;
                it->second.y = e->y;
                it->second.w = e->width;
                it->second.h = e->height;
                const auto below = windows_.find(e->above_sibling);
                if (e->above_sibling == XCB_NONE)
                    it->second.stacking = -1;  // lowered to the bottom
                else if (below != windows_.end())
                    it->second.stacking = below->second.stacking + 0.5;
            }
        } else if (type == damageEvent_) {
            const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(ev);
            // Drawing into a window shows as damage of the root there,
            // clipped to what shows of it: the rectangle belongs to the
            // topmost window that holds it whole (no window manager
            // restacks, so the last one mapped is on top).
            Window* owner = nullptr;
            for (auto& [id, w] : windows_) {
                const bool holds = e->area.x >= w.x && e->area.y >= w.y &&
                                   e->area.x + e->area.width <= w.x + w.w &&
                                   e->area.y + e->area.height <= w.y + w.h;
                if (w.mapped && holds && (!owner || w.stacking > owner->stacking)) owner = &w;
            }
            if (owner && owner->paintedAt < 0) owner->paintedAt = at;
        }
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    xcb_atom_t netWmName_ = 0, utf8_ = 0, netWmPid_ = 0, wmProtocols_ = 0, wmDelete_ = 0;
    std::map<xcb_window_t, Window> windows_;
    long mapCount_ = 0;
    int status_ = 0;
    double endedAt_ = -1;
};

long cpuTicks(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string f;
    long utime = 0, stime = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int i = 3; i <= 15 && fields >> f; ++i) {
        if (i == 14) utime = std::stol(f);
        if (i == 15) stime = std::stol(f);
    }
    return utime + stime;
}

// OpenGL implementations (not the dispatch stubs every Qt Gui program links).
std::string glLibraries(long pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> found;
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.rfind('/');
        if (slash == std::string::npos) continue;
        const std::string name = line.substr(slash + 1);
        const bool impl = name.find("_mesa") != std::string::npos || name.find("_dri") != std::string::npos ||
                          name.rfind("libglapi", 0) == 0 || name.rfind("libgallium", 0) == 0 ||
                          name.rfind("libGL.so", 0) == 0 || name.rfind("libGLESv", 0) == 0 ||
                          name.find("nvidia") != std::string::npos;
        if (impl) found.insert(name);
    }
    if (found.empty()) return "none";
    std::string out;
    for (const std::string& n : found) out += (out.empty() ? "" : ",") + n;
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    std::string title;
    double settleS = 3, idleS = 10;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc) die("missing value for " + a);
        if (a == "--title") title = argv[++i];
        else if (a == "--settle") settleS = std::atof(argv[++i]);
        else if (a == "--idle") idleS = std::atof(argv[++i]);
        else die("unknown option " + a);
    }
    if (title.empty() || i >= argc) die("usage: grisk-start-watch --title TITLE [--settle S] [--idle S] -- COMMAND...");

    Watch watch;
    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) die("cannot fork");
    if (child == 0) {
        execvp(argv[i], argv + i);
        std::perror("exec");
        _exit(127);
    }

    bool ended = false;
    // Until the window comes, then the settle time.
    const double startLimitMs = 60000;
    xcb_window_t main = 0;
    while (!ended && nowMs() - start < startLimitMs && !(main = watch.mainWindow(title)))
        watch.pump(50, child, ended);
    if (!main) {
        if (!ended) kill(child, SIGKILL);
        die(ended ? "the program ended before its window showed" : "no window titled \"" + title + "\"");
    }
    watch.pump(settleS * 1000, child, ended);
    main = watch.mainWindow(title);
    if (ended || !main) die("the program ended or its window went while it settled");
    const Window w = watch.window(main);

    long idleTicks = -1;
    std::string gl = "unknown";
    if (w.pid > 0) {
        const long before = cpuTicks(w.pid);
        watch.pump(idleS * 1000, child, ended);
        const long after = cpuTicks(w.pid);
        if (!ended && before >= 0 && after >= 0) idleTicks = after - before;
        gl = glLibraries(w.pid);
    }

    const double closeAt = nowMs();
    watch.sendDelete(main);
    while (!ended && nowMs() - closeAt < 60000) watch.pump(100, child, ended);
    if (!ended) {
        kill(child, SIGKILL);
        die("the program did not end within 60 s of WM_DELETE_WINDOW");
    }

    std::printf("map_ms=%.1f paint_ms=%.1f idle_ticks=%ld exit_ms=%.1f gl=%s\n", w.mappedAt - start,
                w.paintedAt >= 0 ? w.paintedAt - start : -1.0, idleTicks, watch.endedAt() - closeAt,
                gl.c_str());
    const bool clean = WIFEXITED(watch.status()) && WEXITSTATUS(watch.status()) == 0;
    if (!clean) std::fprintf(stderr, "grisk-start-watch: the program exited with status %d\n", watch.status());
    return clean && w.paintedAt >= 0 && idleTicks >= 0 ? 0 : 1;
}
