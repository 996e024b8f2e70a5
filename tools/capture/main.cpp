// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the real play screen offscreen and saves it, shrunk, as the
// picture the how-to-play window shows. Run at build time after the artwork
// exists, so the picture always matches the window as it is built.
#include "GifWriter.h"
#include "game/SoundService.h"
#include "platform/ProgramPath.h"
#include "ui/MainForm.h"

#include <QApplication>

#include <cstdio>
#include <string>

namespace {

class Silence : public kibbo::SoundService {
public:
    void playEffect(kibbo::Effect) override {}
    void playMusic(kibbo::Tune) override {}
    void stopMusic() override {}
    void setLevels(const kibbo::SoundLevels&) override {}
    void setMusicPaused(bool) override {}
};

// Where the walk starts: the dog met after the scripted typing below.
constexpr int kFirstDog = 300;

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kibbo-capture PROGRAM_FOLDER\n");
        return 2;
    }
    QApplication app(argc, argv);
    const std::string folder = argv[1];
    Silence sound;
    kibbo::MainForm form(sound, folder, kibbo::PlayerFiles::In(folder + "/data"), [] { return 0; });
    form.game().formLoad();
    form.game().mutableState().dogIndex = kFirstDog;
    form.game().beginPlay();
    form.setTimer1Enabled(false);
    // A minute and a half into a walk, driven by the game's own ticks and
    // keys: a dozen dogs typed, a few seconds each, and the next dog begun.
    kibbo::Game& game = form.game();
    for (int dog = 0; dog < 12; ++dog) {
        for (int t = 0; t < 25; ++t)
            game.tick();
        for (char16_t key : std::u16string(game.state().typGuide))
            game.keyPress(key);
    }
    for (int t = 0; t < 12; ++t)
        game.tick();
    game.keyPress(game.state().typGuide.front());
    form.setTimer1Enabled(false);

    const QImage screen = form.clientArea()->grab().toImage();
    const QImage cap = screen.scaled(400, 279, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const std::string path = kibbo::JoinProgramPath(folder, kibbo::kHowToPlayScreen);
    if (!artgen::WriteGif(cap, path)) {
        std::fprintf(stderr, "kibbo-capture: could not write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
