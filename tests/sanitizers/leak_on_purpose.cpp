// SPDX-License-Identifier: GPL-3.0-or-later
// Loses a block on purpose, from a slot that Qt's event loop runs, as the
// game's own code runs: under LeakSanitizer, with the suite's suppressions,
// it must still be reported. A suppression naming a library on that path
// (Qt's event dispatch) would hide it.
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

[[gnu::noinline]] int* leak_on_purpose()
{
    return new int[64]{42};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [&app] {
        std::printf("%d\n", leak_on_purpose()[0]);
        app.quit();
    });
    return app.exec();
}
