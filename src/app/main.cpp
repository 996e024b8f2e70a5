// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionText.h"
#include "game/Assets.h"
#include "platform/AssetFolder.h"
#include "platform/DataFolder.h"
#include "platform/PlayerFiles.h"
#include "platform/ProgramPath.h"
#include "platform/RuntimeFolder.h"
#include "store/FileStore.h"
#include "store/DataKeeper.h"
#include "ui/DiskQueue.h"
#include "ui/sound/SdlSound.h"
#include "ui/MainForm.h"
#include "ui/RecordsWindow.h"
#include "ui/SingleGame.h"
#include "ui/WindowActivation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTime>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace {

// --trace: one line per game event on stderr, flushed at once, so that a
// game can be attached to a bug report or followed by a test.
void TraceLine(std::string_view line)
{
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stderr);
}

// Without a display the window system would abort the program with several
// lines of its own; one line says what to do.
bool HasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

constexpr const char* kHelp =
    "usage: kibbo [--trace] [--records] [--data DIR]\n"
    "       kibbo --help | --version\n"
    "A romaji typing game: walk a dog home before the curfew by typing dog breeds.\n"
    "  --trace     one line per game event on stderr\n"
    "  --records   the records window alone: speed, mistypes and weak keys\n"
    "  --data DIR  keep settings, scores and records in DIR (made when missing)\n"
    "  --help      this text\n"
    "  --version   the version and the licence\n"
    "See kibbo(6) for where the game keeps its files.\n";

// The folder of the running program, as Qt will report it, before there
// is an application to ask.
std::string ProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

// The window system scales every window, its fonts, pictures and outline,
// by a factor it reads once as the application starts, on top of the
// desktop's own; so the player's size is set before.
void ScaleWindows(const kibbo::PlayerFiles& files)
{
    kibbo::RunAtOnce noWindowYet;
    const int scale = kibbo::FileStore(files, noWindowYet).readOptions().value.scale;
    if (scale == 100)
        return;
    bool given = false;
    const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    const double factor = (given && desktop > 0 ? desktop : 1.0) * scale / 100.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before anything else, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            PrintVersion("kibbo");
            return 0;
        }
    }
    // The data folder is needed before the application object (the window
    // size is read from it); every other option is read after it, once Qt has
    // taken its own (-platform, -style, ...).
    const char* namedData = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0) {
            if (i + 1 == argc) {
                std::fprintf(stderr, "kibbo: --data needs a folder\n");
                return 2;
            }
            namedData = argv[++i];
        }
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "kibbo: no display to open the window on; start it on a desktop, or headless "
                             "with xvfb-run -a kibbo\n");
        return 1;
    }
    kibbo::ProvideRuntimeFolder();
    kibbo::StartNoSessionBus();
    const std::string programDir = ProgramDirectory();
    const std::string dataFolder = namedData ? kibbo::ProvideNamedDataFolder(programDir, namedData)
                                             : kibbo::ChooseDataFolder(programDir);
    if (dataFolder.empty()) {
        std::fprintf(stderr, "kibbo: cannot make or write the data folder %s\n", namedData);
        return 1;
    }
    // An installed game keeps the player's files in the player's own data
    // folder.
    const kibbo::PlayerFiles files = kibbo::PlayerFiles::In(dataFolder);
    ScaleWindows(files);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KIBBO_APP_ID));
    std::function<void(std::string_view)> trace;
    bool recordsOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = TraceLine;
        } else if (std::strcmp(argv[i], "--records") == 0) {
            recordsOnly = true;
        } else if (std::strcmp(argv[i], "--data") == 0) {
            ++i;
        } else {
            std::fprintf(stderr,
                         "kibbo: unknown option '%s'; the options are --trace, --records, --data DIR, --help and "
                         "--version\n",
                         argv[i]);
            return 2;
        }
    }
    const std::string programFolder = kibbo::AssetFolder(programDir);
    auto single = std::make_unique<kibbo::SingleGame>(files.folder);
    const QByteArray request = recordsOnly ? "records" : "raise";
    if (!single->isFirst()) {
        // The token this start was launched with lets the running game come
        // to the front on a Wayland desktop.
        const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
        switch (single->ask(request, token)) {
        case kibbo::SingleGame::Answer::None:
            std::fprintf(stderr, "kibbo: a game on %s is running but does not answer\n", files.folder.c_str());
            return 1;
        case kibbo::SingleGame::Answer::Front:
            std::fprintf(stderr, "kibbo: a game on %s is already running; it was brought to the front\n",
                         files.folder.c_str());
            return 0;
        case kibbo::SingleGame::Answer::Behind:
            std::fprintf(stderr,
                         "kibbo: a game on %s is already running; the desktop did not let it come to the front\n",
                         files.folder.c_str());
            return 0;
        }
        return 0;
    }
    if (recordsOnly) {
        // The records window is no game: one started meanwhile may have the folder.
        single.reset();
        // Its practice box is saved, and the history read, beside it.
        kibbo::DiskQueue disk;
        kibbo::FileStore store(files, disk);
        kibbo::DataKeeper keeper(store);
        keeper.load();
        disk.drain();
        // It deletes itself when closed, which ends the program.
        (new kibbo::RecordsWindow(keeper))->show();
        const int status = app.exec();
        disk.drain();
        return status;
    }
    if (files.folder != kibbo::JoinProgramPath(programFolder, kibbo::kDataFolder))
        std::fprintf(stderr, "kibbo: your settings and scores are kept in %s\n", files.folder.c_str());
    // Under a file size limit a save must fail and say so, not end the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // The sounds lie with the pictures, not beside an installed program.
    kibbo::SdlSound sound(kibbo::SdlSound::kSoundFont, kibbo::JoinProgramPath(programFolder, kibbo::kSoundFolder));
    kibbo::MainForm form(sound, programFolder, files, [] { return QTime::currentTime().second(); }, trace);
    QObject::connect(single.get(), &kibbo::SingleGame::asked, &form,
                     [&form](const QByteArray& asked, const QByteArray& token, const kibbo::SingleGame::Reply& reply) {
                         // The window asked for is the one to come to the front;
                         // the records window opens once the games just ended
                         // are saved.
                         if (asked == "records")
                             form.openRecords([token, reply](QWidget& records) {
                                 kibbo::BringToFront(records, token, reply);
                             });
                         else
                             kibbo::BringToFront(form, token, reply);
                     });
    form.game().formLoad();
    form.show();
    // The sound device and the music's font load in a thread of their own,
    // started once the window is on its way to the screen.
    kibbo::SdlSound::NameStream("Kibbo", KIBBO_APP_ID);
    QTimer::singleShot(0, &form, [&sound] { sound.start(); });
    return app.exec();
}
