// SPDX-License-Identifier: GPL-3.0-or-later
// What the player notices of the whole program before the first key: how
// long the title takes to appear, and that the program then sits lightly on
// the machine, on the title screen and in a game left alone. Measured from
// outside, on the real program in a copy of its folder with sound (the
// dummy device), on an X display (the bench script provides one): the first
// paint is seen when the window's pixels stop being the bare screen, CPU use
// and peak memory come from /proc.
//
// The program comes from the first argument, else KIBBO_DIST/kibbo, else the
// build's own.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr double kTargetStartMilliseconds = 300;
constexpr double kTargetTitleCpu = 1;
constexpr double kTargetPlayCpu = 5;
constexpr double kTargetMegabytes = 80;

// Start_btn's middle in the window: the button lies at 536,16 of the
// client area, which sits inside a one-pixel border.
constexpr int kStartX = 560;
constexpr int kStartY = 40;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// A private copy of the program folder: the program and its data files
// copied, so that nothing the run writes reaches the build, the pictures and
// sounds linked.
class ProgramCopy {
public:
    explicit ProgramCopy(const fs::path& program)
    {
        char pattern[] = "/tmp/kibbo-bench-XXXXXX";
        m_folder = mkdtemp(pattern);
        const fs::path dist = program.parent_path();
        fs::copy_file(program, m_folder / "kibbo");
        for (const char* linked : {"ani", "pics", "sound"})
            fs::create_directory_symlink(fs::absolute(dist / linked), m_folder / linked);
        fs::copy(dist / "data", m_folder / "data", fs::copy_options::recursive);
    }
    ~ProgramCopy() { fs::remove_all(m_folder); }

    fs::path program() const { return m_folder / "kibbo"; }
    fs::path trace() const { return m_folder / "trace.log"; }

private:
    fs::path m_folder;
};

pid_t Spawn(const std::vector<std::string>& args, const fs::path& errors = {})
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!errors.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void Stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The program's own CPU time so far, user and system, in seconds.
double CpuSeconds(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields after it do not.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number)
        if (number >= 14)
            ticks += std::stoll(field);
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Percent of one core used over a stretch of wall time.
double CpuPercent(pid_t pid, std::chrono::seconds stretch)
{
    const double before = CpuSeconds(pid);
    const auto begin = Clock::now();
    std::this_thread::sleep_for(stretch);
    const double used = CpuSeconds(pid) - before;
    return 100.0 * used / (Milliseconds(Clock::now() - begin) / 1000.0);
}

double StatusMegabytes(pid_t pid, const std::string& key)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::strtod(line.c_str() + key.size() + 1, nullptr) / 1024.0;
    return 0.0;
}

// The X server the program draws on, asked about the program's windows.
class Display {
public:
    Display() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~Display() { xcb_disconnect(m_connection); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool ok() const { return !xcb_connection_has_error(m_connection); }

    // The program's main window once it is mapped: the one of its
    // top-level windows that is on screen and as big as the game.
    std::optional<xcb_window_t> mainWindow(pid_t pid)
    {
        const xcb_atom_t pidAtom = atom("_NET_WM_PID");
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, root), nullptr), &std::free);
        if (!tree)
            return std::nullopt;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            const xcb_window_t window = children[i];
            const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> owner(
                xcb_get_property_reply(
                    m_connection, xcb_get_property(m_connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
                &std::free);
            if (!owner || xcb_get_property_value_length(owner.get()) != 4
                || *static_cast<const std::uint32_t*>(xcb_get_property_value(owner.get())) != static_cast<std::uint32_t>(pid))
                continue;
            const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr),
                &std::free);
            const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
                xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr), &std::free);
            if (attributes && geometry && attributes->map_state == XCB_MAP_STATE_VIEWABLE && geometry->width > 400
                && geometry->height > 300) {
                m_width = geometry->width;
                m_height = geometry->height;
                return window;
            }
        }
        return std::nullopt;
    }

    // Whether the program has drawn into the window: before that it shows
    // the bare screen beneath, which has at most two colours.
    bool painted(xcb_window_t window)
    {
        const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, m_width,
                                              m_height, ~0u),
                                nullptr),
            &std::free);
        if (!image || image->depth < 24)
            return false;
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
        const int count = xcb_get_image_data_length(image.get()) / 4;
        std::set<std::uint32_t> colours;
        for (int i = 0; i < count && colours.size() <= 2; ++i)
            colours.insert(pixels[i] & 0xffffffu);
        return colours.size() > 2;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_connection,
                                  xcb_intern_atom(m_connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name),
                                  nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    xcb_connection_t* m_connection;
    std::uint16_t m_width = 0;
    std::uint16_t m_height = 0;
};

struct Started {
    pid_t pid = -1;
    xcb_window_t window = 0;
    double milliseconds = 0;
};

// Starts the program and waits, looking every millisecond, until its title
// screen is painted.
std::optional<Started> StartProgram(Display& display, const ProgramCopy& copy)
{
    Started started;
    const auto begin = Clock::now();
    started.pid = Spawn({copy.program().string(), "--trace"}, copy.trace());
    if (started.pid < 0)
        return std::nullopt;
    const auto deadline = begin + 30s;
    std::optional<xcb_window_t> window;
    while (Clock::now() < deadline) {
        if (!window)
            window = display.mainWindow(started.pid);
        if (window && display.painted(*window)) {
            started.milliseconds = Milliseconds(Clock::now() - begin);
            started.window = *window;
            return started;
        }
        std::this_thread::sleep_for(1ms);
    }
    Stop(started.pid);
    return std::nullopt;
}

bool TraceHas(const fs::path& trace, const std::string& line)
{
    std::ifstream file(trace);
    std::string read;
    while (std::getline(file, read))
        if (read == line)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY")) {
        std::printf("program bench: needs an X display; run it through scripts/bench.sh\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const char* dist = std::getenv("KIBBO_DIST");
    const fs::path program = argc > 1 ? fs::path(argv[1]) : fs::path(dist ? dist : KIBBO_DIST_FOLDER) / "kibbo";
    Display display;
    if (!display.ok()) {
        std::printf("program bench: cannot reach the X display\n");
        return 1;
    }
    const ProgramCopy copy(program);

    // The first start reads the program and its libraries from disk unless
    // something already has; the second finds them in memory, as every
    // later start of a player's does.
    const auto first = StartProgram(display, copy);
    if (!first) {
        std::printf("program bench: no title screen appeared\n");
        return 1;
    }
    Stop(first->pid);
    const auto warm = StartProgram(display, copy);
    if (!warm) {
        std::printf("program bench: no title screen appeared\n");
        return 1;
    }

    // The sound device and the music's font load in the background just
    // after the first paint; the title's idle time is counted after that.
    std::this_thread::sleep_for(2s);
    const double titleCpu = CpuPercent(warm->pid, 10s);

    const std::string x = std::to_string(kStartX);
    const std::string y = std::to_string(kStartY);
    const pid_t click = Spawn({"xdotool", "mousemove", "--window", std::to_string(warm->window), x, y, "click", "1"});
    if (click > 0)
        waitpid(click, nullptr, 0);
    const auto clickDeadline = Clock::now() + 10s;
    while (!TraceHas(copy.trace(), "start") && Clock::now() < clickDeadline)
        std::this_thread::sleep_for(10ms);
    if (!TraceHas(copy.trace(), "start")) {
        std::printf("program bench: the start button started no game\n");
        Stop(warm->pid);
        return 1;
    }
    const auto playBegin = Clock::now();
    const double playCpu = CpuPercent(warm->pid, 10s);
    std::this_thread::sleep_until(playBegin + 20s);
    const double peak = StatusMegabytes(warm->pid, "VmHWM");
    const double resident = StatusMegabytes(warm->pid, "VmRSS");
    Stop(warm->pid);

    std::printf("start-up to the first painted title, warm: %.0f ms (target: %.0f ms)\n", warm->milliseconds,
                kTargetStartMilliseconds);
    std::printf("start-up to the first painted title, first start (info): %.0f ms\n", first->milliseconds);
    std::printf("CPU, title screen idle 10 s: %.1f %% (target: %.0f %%)\n", titleCpu, kTargetTitleCpu);
    std::printf("CPU, game without keys 10 s: %.1f %% (target: %.0f %%)\n", playCpu, kTargetPlayCpu);
    std::printf("peak memory after 20 s of play: %.0f MB (target: %.0f MB)\n", peak, kTargetMegabytes);
    std::printf("memory in use after 20 s of play (info): %.0f MB\n", resident);
    return 0;
}
