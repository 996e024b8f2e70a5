// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files are flushed to the disk on every save, and a flush can
// take far longer than a frame (a busy disk, a home folder on a network
// file system); on some file systems a read waits behind a flush of the
// same folder. This drives the real window twice, first with its data folder
// on the local disk, then where the first argument says (the bench script
// gives it a folder whose every flush takes 200 ms), through every step that
// reads or saves the player's files: the key that clears a game, the entry
// window's OK, the key settings' Apply, the end of a game (its line in the
// history), Restart (the left game's line, then the next game's first
// dogs), F2 (the options), and the records window (the whole history, then
// its chart). Each step is waited out before the next; for each, the
// longest stall of the event loop meanwhile on the slow folder may be no more
// than a little above the same step's on the local disk, since nothing the
// window's thread does waits for the disk.
//
// The program folder comes from KIBBO_DIST, else the build's own.
#include "game/Game.h"
#include "platform/FileIO.h"
#include "platform/ProgramPath.h"
#include "prefs/KeyPrefs.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using kibbo::Control;

constexpr int kRounds = 5;
// What the slow folder may add to a step's longest stall.
constexpr double kAllowedAboveLocal = 2.0;
constexpr double kFrameMilliseconds = 16.0;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

class NullSound final : public kibbo::SoundService {
public:
    void playEffect(kibbo::Effect) override {}
    void playMusic(kibbo::Tune) override {}
    void stopMusic() override {}
    void setLevels(const kibbo::SoundLevels&) override {}
    void setMusicPaused(bool) override {}
};

// The longest time between two turns of the event loop, as a timer that
// fires at every turn sees it.
class StallWatch {
public:
    StallWatch()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, static_cast<double>(m_since.nsecsElapsed()) / 1e6);
            m_since.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_since.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    double m_longest = 0;
};

struct Figure {
    const char* what;
    std::vector<double> blocked; // the step's own call
    std::vector<double> stalls;  // the event loop until the step's files were saved
};

// Runs the event loop until done says so; false after a minute.
bool WaitFor(const std::function<bool()>& done)
{
    const auto deadline = Clock::now() + std::chrono::minutes(1);
    while (!done()) {
        if (Clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// Times one call and then the event loop until its saves are done.
bool Measure(Figure& figure, StallWatch& watch, const std::function<void()>& step,
             const std::function<bool()>& saved)
{
    const auto begin = Clock::now();
    step();
    figure.blocked.push_back(Milliseconds(Clock::now() - begin));
    watch.start();
    const bool done = WaitFor(saved);
    figure.stalls.push_back(watch.stop());
    if (!done)
        std::printf("store bench: %s: not done within a minute\n", figure.what);
    return done;
}

// A mouse button pressed and let go on a control, as the player clicks it.
void Click(QWidget* control)
{
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, control->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(control, &release);
}

std::string Each(const std::vector<double>& values)
{
    std::string each;
    for (double value : values)
        each += (each.empty() ? "" : ", ") + std::to_string(value).substr(0, 5);
    return each;
}

// A step's figures on the slow folder, against the same step's on the local
// disk.
void Print(const Figure& slow, const Figure& local)
{
    const auto longest = [](const std::vector<double>& values) {
        return *std::max_element(values.begin(), values.end());
    };
    std::printf("window thread blocked by %s, longest of %zu: %.2f ms (target: %.0f ms)\n", slow.what,
                slow.blocked.size(), longest(slow.blocked), kFrameMilliseconds);
    std::printf("longest event-loop stall at %s, slow folder above local disk: %.2f ms (target: %.0f ms)\n",
                slow.what, longest(slow.stalls) - longest(local.stalls), kAllowedAboveLocal);
    std::printf("longest event-loop stall at %s, each round, slow folder (info): %s ms\n", slow.what,
                Each(slow.stalls).c_str());
    std::printf("longest event-loop stall at %s, each round, local disk (info): %s ms\n", slow.what,
                Each(local.stalls).c_str());
}

// Watches for a file to hold given bytes on a thread of its own, so that
// looking costs the window's thread nothing. It looks only now and then: on
// the slow folder every look is a round through the file system's own
// process, which would otherwise take the cores the window needs.
class FileWatch {
public:
    FileWatch(std::string path, std::function<bool(const std::string&)> done)
        : m_thread([this, path = std::move(path), done = std::move(done)] {
            while (!m_stop && !done(kibbo::ReadWholeFile(path).value_or("")))
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            m_seen = true;
        })
    {
    }
    ~FileWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    bool seen() const { return m_seen; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_seen{false};
    std::thread m_thread;
};

// How long one flush of a file in the folder takes.
double FlushMilliseconds(const std::string& folder)
{
    const std::string probe = folder + "/flush-probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    (void)!::write(fd, "x", 1);
    const auto begin = Clock::now();
    ::fsync(fd);
    const double taken = Milliseconds(Clock::now() - begin);
    ::close(fd);
    ::unlink(probe.c_str());
    return taken;
}

int Lines(const std::string& bytes)
{
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

void Type(kibbo::MainForm& form, char16_t code)
{
    const QString text(QChar(static_cast<ushort>(code)));
    QKeyEvent press(QEvent::KeyPress, QChar(static_cast<ushort>(code)).toUpper().unicode(), Qt::NoModifier, text);
    QWidget* receiver = form.focusWidget() ? form.focusWidget() : &form;
    QApplication::sendEvent(receiver, &press);
}

// Every step, kRounds times, on the real window with its data folder at
// dataRoot; empty when a step did not finish.
std::vector<Figure> RunSteps(const std::string& folder, const std::string& dataRoot)
{
    const std::string data = dataRoot + "/data";
    std::filesystem::remove_all(data);
    std::filesystem::copy(kibbo::JoinProgramPath(folder, "data"), data, std::filesystem::copy_options::recursive);

    NullSound sound;
    const kibbo::PlayerFiles files = kibbo::PlayerFiles::In(data);
    kibbo::MainForm form(sound, folder, files, [] { return 0; });
    form.game().formLoad();
    form.show();
    WaitFor([&] { return form.windowHandle() && form.windowHandle()->isExposed(); });
    // The screens' pictures are decoded a moment after the title shows.
    const auto settled = Clock::now() + std::chrono::seconds(2);
    WaitFor([&] { return Clock::now() > settled; });

    kibbo::Game& game = form.game();
    StallWatch watch;
    std::vector<Figure> figures = {{"the clearing key", {}, {}},
                                   {"the entry window's OK", {}, {}},
                                   {"Apply", {}, {}},
                                   {"a game's end (history)", {}, {}},
                                   {"Restart during a game (history, then the next dogs)", {}, {}},
                                   {"F2 (options)", {}, {}},
                                   {"the records window (history, then its chart)", {}, {}}};
    Figure& clear = figures[0];
    Figure& ok = figures[1];
    Figure& apply = figures[2];
    Figure& end = figures[3];
    Figure& restart = figures[4];
    Figure& music = figures[5];
    Figure& records = figures[6];
    for (int round = 0; round < kRounds; ++round) {
        // A game one key from home, scoring above every place.
        game.newGame();
        game.beginPlay();
        kibbo::GameState& s = game.mutableState();
        s.walkerLeft = 7380;
        s.typeCount = 5000;
        s.playSeconds = 60;
        const std::u16string guide(s.typGuide);
        for (std::size_t i = 0; i + 1 < guide.size(); ++i)
            Type(form, guide[i]);
        if (!Measure(clear, watch, [&] { Type(form, guide.back()); }, [&] { return form.scoreBoard() != nullptr; }))
            return {};
        if (game.state().screen != kibbo::Screen::Cleared) {
            std::printf("store bench: the game did not clear\n");
            return {};
        }

        const QPointer<kibbo::ScoreBoard> board = form.scoreBoard();
        board->registerButton()->click();
        if (!Measure(ok, watch, [&] { board->okButton()->click(); }, [&] { return board.isNull(); }))
            return {};

        qobject_cast<QPushButton*>(form.control(Control::KeySettei))->click();
        kibbo::Form1* settings = form.form1();
        kibbo::KeyPrefs prefs{};
        prefs[1] = static_cast<std::int16_t>(round % 2 == 0 ? 1 : 0);
        settings->combo(1)->setCurrentIndex(prefs[1]);
        const std::string expected = kibbo::FormatKeyPrefs(prefs);
        std::optional<FileWatch> prefsSaved;
        if (!Measure(apply, watch,
                     [&] {
                         settings->applyButton()->click();
                         prefsSaved.emplace(files.keyPrefs, [&](const std::string& bytes) { return bytes == expected; });
                     },
                     [&] { return prefsSaved->seen() && settings->applyButton()->isEnabled(); }))
            return {};
        settings->close();

        // A game over at 19:00: its line goes into the history.
        const int lines = Lines(kibbo::ReadWholeFile(files.history).value_or(""));
        game.newGame();
        game.beginPlay();
        kibbo::GameState& over = game.mutableState();
        over.clockHour = 18;
        over.clockMinute = 59;
        over.minuteTicks = 9;
        std::optional<FileWatch> gameKept;
        if (!Measure(end, watch,
                     [&] {
                         game.tick();
                         gameKept.emplace(files.history, [lines](const std::string& bytes) { return Lines(bytes) > lines; });
                     },
                     [&] { return gameKept->seen(); }))
            return {};

        // Restart clicked in a game: the left game's line is flushed while
        // the next game's dogs are typed.
        game.newGame();
        game.beginPlay();
        const int before = Lines(kibbo::ReadWholeFile(files.history).value_or(""));
        std::optional<FileWatch> leftKept;
        if (!Measure(restart, watch,
                     [&] {
                         Click(form.control(Control::RestartBtn));
                         for (int dog = 0; dog < 3; ++dog) {
                             for (char16_t key : std::u16string(game.state().typGuide))
                                 Type(form, key);
                         }
                         leftKept.emplace(files.history, [before](const std::string& bytes) { return Lines(bytes) > before; });
                     },
                     [&] { return leftKept->seen(); }))
            return {};

        const bool musicOn = form.keeper().data().options.music;
        std::optional<FileWatch> optionSaved;
        if (!Measure(music, watch,
                     [&] {
                         QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
                         QApplication::sendEvent(form.focusWidget() ? form.focusWidget() : &form, &f2);
                         const std::string line = std::string("music=") + (musicOn ? "0" : "1");
                         optionSaved.emplace(files.options, [line](const std::string& bytes) {
                             return bytes.find(line) != std::string::npos;
                         });
                     },
                     [&] { return optionSaved->seen(); }))
            return {};

        if (!Measure(records, watch, [&] { form.openRecords(); },
                     [&] { return form.recordsWindow() && form.recordsWindow()->loaded(); }))
            return {};
        // Drawn, with its chart, before it goes.
        form.recordsWindow()->repaint();
        form.recordsWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    form.disk().drain();
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY")) {
        std::printf("store bench: needs an X display; run it through scripts/bench.sh\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    const char* dist = std::getenv("KIBBO_DIST");
    const std::string folder = dist ? dist : KIBBO_DIST_FOLDER;
    QTemporaryDir local;
    const std::string slow = argc > 1 ? argv[1] : local.path().toStdString();
    std::printf("store bench: one flush to the disk, local disk (info): %.1f ms\n",
                FlushMilliseconds(local.path().toStdString()));
    std::printf("store bench: one flush to the disk in the data folder (info): %.1f ms\n", FlushMilliseconds(slow));

    const std::vector<Figure> onLocal = RunSteps(folder, local.path().toStdString());
    const std::vector<Figure> onSlow = RunSteps(folder, slow);
    if (onLocal.empty() || onSlow.empty())
        return 1;
    for (std::size_t i = 0; i < onSlow.size(); ++i)
        Print(onSlow[i], onLocal[i]);
    return 0;
}
