#include "platform/DataFolder.h"
#include "platform/PlayerFiles.h"
#include "platform/ProgramPath.h"
#include "ui/sound/SdlSound.h"
#include "ui/MainForm.h"
#include "ui/SingleGame.h"

#include <QApplication>
#include <QTime>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
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

} // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "kibbo: no display to open the window on; start it on a desktop, or headless "
                             "with xvfb-run -a kibbo\n");
        return 1;
    }
    QApplication app(argc, argv);
    std::function<void(std::string_view)> trace;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = TraceLine;
        } else {
            std::fprintf(stderr, "kibbo: unknown option '%s'; the only option is --trace\n", argv[i]);
            return 2;
        }
    }
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    // An installed game keeps the player's files in the player's own data
    // folder.
    const kibbo::PlayerFiles files = kibbo::PlayerFiles::In(kibbo::ChooseDataFolder(programFolder));
    kibbo::SingleGame single(files.folder);
    if (!single.isFirst()) {
        if (!single.ask("raise")) {
            std::fprintf(stderr, "kibbo: a game on %s is running but does not answer\n", files.folder.c_str());
            return 1;
        }
        std::fprintf(stderr, "kibbo: a game on %s is already running; it was brought to the front\n",
                     files.folder.c_str());
        return 0;
    }
    if (files.folder != kibbo::JoinProgramPath(programFolder, "data"))
        std::fprintf(stderr, "kibbo: your settings and scores are kept in %s\n", files.folder.c_str());
    // Under a file size limit a save must fail and say so, not end the game.
    std::signal(SIGXFSZ, SIG_IGN);
    kibbo::SdlSound sound;
    kibbo::MainForm form(sound, programFolder, files, [] { return QTime::currentTime().second(); }, trace);
    QObject::connect(&single, &kibbo::SingleGame::asked, &form, [&form] {
        form.raise();
        form.activateWindow();
    });
    form.game().formLoad();
    form.show();
    // The sound device and the music's font load in a thread of their own,
    // started once the window is on its way to the screen.
    QTimer::singleShot(0, &form, [&sound] { sound.start(); });
    return app.exec();
}
