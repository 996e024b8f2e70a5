// SPDX-License-Identifier: GPL-3.0-or-later
// A key press and a tick each run on the window's thread, and the player sees
// their result only once it is painted; both must stay far below a frame so
// that the 100 ms clock and the typing never stutter. This drives the real
// window on a real X display (the bench script provides one) with the real
// sound: every key through the window's key path and every tick through the
// game's tick, each timed until what it changed is painted; then lets the
// window's own timer run for a minute to see that the clock keeps time.
//
// The program folder comes from the first argument, else KIBBO_DIST, else
// the build's own. The player's files are a private copy of its data folder.
#include "game/Game.h"
#include "platform/ProgramPath.h"
#include "ui/sound/SdlSound.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using kibbo::Control;

constexpr int kKeys = 10000;
constexpr int kCadenceTicks = 600;
constexpr double kTargetMilliseconds = 1.0;
// Every so many keys one is wrong, as a player's would be.
constexpr int kMistypeEvery = 17;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Wall time and the window thread's own CPU time of each event. On a busy
// machine the two part: the wall time then includes waits for a core or for
// the X server, which the CPU time shows apart from the work itself.
struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;
};

Clock::duration ThreadCpuTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

class Stopwatch {
public:
    void record(Samples& samples) const
    {
        samples.wall.push_back(Milliseconds(Clock::now() - m_wall));
        samples.cpu.push_back(Milliseconds(ThreadCpuTime() - m_cpu));
    }

private:
    Clock::time_point m_wall = Clock::now();
    Clock::duration m_cpu = ThreadCpuTime();
};

struct Spread {
    double p50 = 0;
    double p99 = 0;
    double longest = 0;
    std::size_t longestAt = 0; // which sample, from 0
};

// Nearest-rank percentiles.
Spread SpreadOf(const std::vector<double>& samples)
{
    Spread spread;
    if (samples.empty())
        return spread;
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = [&sorted](double share) {
        const auto index = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
        return sorted[std::clamp<std::size_t>(index, 1, sorted.size()) - 1];
    };
    spread.p50 = rank(0.50);
    spread.p99 = rank(0.99);
    const auto longest = std::max_element(samples.begin(), samples.end());
    spread.longest = *longest;
    spread.longestAt = static_cast<std::size_t>(longest - samples.begin());
    return spread;
}

void PrintSpread(const char* figure, const char* events, const char* event, const Samples& samples)
{
    const Spread wall = SpreadOf(samples.wall);
    const Spread cpu = SpreadOf(samples.cpu);
    const std::size_t count = samples.wall.size();
    std::printf("%s, p99 of %zu %s: %.3f ms (target: %.0f ms)\n", figure, count, events, wall.p99,
                kTargetMilliseconds);
    std::printf("%s, p50 of %zu %s (info): %.3f ms\n", figure, count, events, wall.p50);
    std::printf("%s, p99 on the window thread's CPU (info): %.3f ms\n", figure, cpu.p99);
    std::printf("%s, slowest %s (info): %.2f ms at %s %zu, %.2f ms on CPU\n", figure, event, wall.longest, event,
                wall.longestAt + 1, samples.cpu[wall.longestAt]);
}

// Counts the paints of one widget, to show that the timed flush painted.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The real window, shown and exposed, on the program folder with a private
// data folder, as the program starts it.
class Window {
public:
    Window(kibbo::SoundService& sound, const std::string& programFolder, const QString& dataRoot)
        : form(sound, programFolder, kibbo::PlayerFiles::In(dataRoot.toStdString() + "/data"), [] { return 0; })
    {
        form.game().formLoad();
        form.show();
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (!(form.windowHandle() && form.windowHandle()->isExposed()) && Clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }

    // Paints at once what the last event changed, as the event loop would
    // do next: repainting one pixel of the client area brings every pending
    // change of the window along, and returns once it is on the display.
    void paintChanges() { form.clientArea()->repaint(0, 0, 1, 1); }

    // Lets the window handle whatever else arrived, outside any timing; the
    // bench itself stands in for Timer1 where it drives the game.
    void idle()
    {
        form.setTimer1Enabled(false);
        QCoreApplication::processEvents();
    }

    kibbo::MainForm form;
};

// Every key of several games: the expected letter, and now and then a wrong
// one, each timed from the key event to the painted guide.
void MeasureKeys(Window& window)
{
    kibbo::Game& game = window.form.game();
    const kibbo::GameState& state = game.state();
    QWidget* guide = window.form.control(Control::TxtTyp2);
    PaintCounter guidePaints(guide);
    Samples times;
    int games = 0;
    int matches = 0;
    int clears = 0;
    for (int k = 0; k < kKeys; ++k) {
        if (state.screen != kibbo::Screen::Play) {
            clears += games > 0 ? 1 : 0;
            game.newGame();
            game.beginPlay();
            ++games;
        }
        window.idle();
        const char16_t expected = state.typGuide.empty() ? u'a' : state.typGuide.front();
        const bool wrong = k % kMistypeEvery == kMistypeEvery - 1;
        const char16_t code = wrong ? (expected == u'q' ? u'x' : u'q') : expected;
        matches += wrong ? 0 : 1;
        const QString text(QChar(static_cast<ushort>(code)));
        QKeyEvent press(QEvent::KeyPress, QChar(static_cast<ushort>(code)).toUpper().unicode(), Qt::NoModifier, text);
        QWidget* receiver = window.form.focusWidget() ? window.form.focusWidget() : &window.form;

        const Stopwatch stopwatch;
        QApplication::sendEvent(receiver, &press);
        window.paintChanges();
        stopwatch.record(times);
    }
    PrintSpread("keystroke judge + guide repaint", "keys", "key", times);
    std::printf("keys typed (info): %d games, %d cleared, guide painted %d times for %d matching keys\n", games,
                clears, guidePaints.paints, matches);
}

// One whole game without a key, 3,600 ticks to the curfew: every tick, with
// the walker's frame, the clock, the dog set-ups on time-out, the scenery
// and music changes and the game-over screen, timed until painted.
void MeasureTicks(Window& window)
{
    kibbo::Game& game = window.form.game();
    game.beginPlay();
    Samples times;
    while (game.state().screen == kibbo::Screen::Play && times.wall.size() < 4000) {
        window.idle();
        const Stopwatch stopwatch;
        game.tick();
        window.paintChanges();
        stopwatch.record(times);
    }
    PrintSpread("tick + repaint", "ticks", "tick", times);
}

// The window's own Timer1 through 600 ticks of play with the event loop
// running: the mean interval, and how far the last tick is from where a
// perfect clock would have put it.
void MeasureCadence(Window& window)
{
    std::vector<Clock::time_point> fired;
    fired.reserve(kCadenceTicks);
    QEventLoop loop;
    const auto connection = QObject::connect(&window.form.timer1(), &QTimer::timeout, &loop, [&] {
        fired.push_back(Clock::now());
        if (fired.size() == kCadenceTicks)
            loop.quit();
    });
    const auto begin = Clock::now();
    window.form.game().beginPlay();
    loop.exec();
    QObject::disconnect(connection);

    const double elapsed = Milliseconds(fired.back() - begin);
    double longest = Milliseconds(fired.front() - begin);
    for (std::size_t i = 1; i < fired.size(); ++i)
        longest = std::max(longest, Milliseconds(fired[i] - fired[i - 1]));
    std::printf("tick cadence, mean interval over %d ticks: %.3f ms (target: 100 ms +- 1 ms)\n", kCadenceTicks,
                elapsed / kCadenceTicks);
    std::printf("tick cadence, drift after %d ticks: %.1f ms (target: 100 ms)\n", kCadenceTicks,
                std::abs(elapsed - 100.0 * kCadenceTicks));
    std::printf("tick cadence, longest interval (info): %.2f ms\n", longest);
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY")) {
        std::printf("window bench: needs an X display; run it through scripts/bench.sh\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication app(argc, argv);
    const char* dist = argc > 1 ? argv[1] : std::getenv("KIBBO_DIST");
    const std::string folder = dist ? dist : KIBBO_DIST_FOLDER;

    QTemporaryDir dataRoot;
    std::filesystem::copy(kibbo::JoinProgramPath(folder, "data"),
                          std::filesystem::path(dataRoot.path().toStdString()) / "data",
                          std::filesystem::copy_options::recursive);

    kibbo::SdlSound sound(kibbo::SdlSound::kSoundFont, kibbo::JoinProgramPath(folder, kibbo::kSoundFolder));
    sound.start();
    if (!sound.waitUntilReady(std::chrono::seconds(30))) {
        std::printf("window bench: no sound device\n");
        return 1;
    }
    // A fresh window for each figure: the ticks of the first game meet
    // every picture for the first time, as a player's first game does.
    {
        auto window = std::make_unique<Window>(sound, folder, dataRoot.path());
        MeasureTicks(*window);
    }
    {
        auto window = std::make_unique<Window>(sound, folder, dataRoot.path());
        MeasureKeys(*window);
    }
    {
        auto window = std::make_unique<Window>(sound, folder, dataRoot.path());
        MeasureCadence(*window);
    }
    sound.stopMusic();
    return 0;
}
