#include "platform/sdl/SdlSound.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QTime>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kibbo::SdlSound sound;
    kibbo::MainForm form(sound, QCoreApplication::applicationDirPath().toStdString(),
                         [] { return QTime::currentTime().second(); });
    form.game().formLoad();
    form.show();
    // The sound device and the music's font load in a thread of their own,
    // started once the window is on its way to the screen.
    QTimer::singleShot(0, &form, [&sound] { sound.start(); });
    return app.exec();
}
