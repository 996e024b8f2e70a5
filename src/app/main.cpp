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
    // Opening the sound device takes a moment; the window comes first.
    QTimer::singleShot(0, &form, [&sound] { sound.open(); });
    return app.exec();
}
