// Renders the real play screen offscreen and saves it, shrunk, as the
// picture the how-to-play window shows. Run at build time after the artwork
// exists, so the picture always matches the window as it is built.
#include "GifWriter.h"
#include "game/SoundService.h"
#include "ui/MainForm.h"

#include <QApplication>

#include <cstdio>
#include <string>

namespace {

class Silence : public kibbo::SoundService {
public:
    void playEffect(const std::string&) override {}
    void openMusic(const std::string&) override {}
    void playMusic() override {}
    void stopMusic() override {}
    void closeMusic() override {}
};

// A short, friendly guide, a few seconds into the walk.
constexpr int kShownDog = 315; // 柴犬

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
    kibbo::MainForm form(sound, folder, [] { return kShownDog % 60; });
    form.game().formLoad();
    form.game().state().dogIndex = kShownDog;
    form.game().beginPlay();
    form.setTimer1Enabled(false);
    // What the first ticks would have drawn: the walker a few steps on, the
    // time limit counting and the clock running.
    form.setLeft(kibbo::Control::Image3, 2400);
    form.loadPicture(kibbo::Control::Image3, "ani\\ani2.gif");
    form.setCaption(kibbo::Control::LimitTime, u"3");
    form.setCaption(kibbo::Control::Label12, u"14");
    form.setCaption(kibbo::Control::Label14, u"23");

    const QImage screen = form.clientArea()->grab().toImage();
    const QImage cap = screen.scaled(400, 279, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const std::string path = folder + "/ani/cap.gif";
    if (!artgen::WriteGif(cap, path)) {
        std::fprintf(stderr, "kibbo-capture: could not write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
