// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowActivation.h"

#include "ui/WindowShape.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <utility>

namespace kibbo {

void BringToFront(QWidget& window, const QByteArray& activationToken, std::function<void(bool cameToFront)> done)
{
    window.show();
    window.raise();
    // Qt's Wayland plug-in hands the compositor the token it finds in the
    // environment when the window asks to be activated, and takes it out;
    // without one it asks with a token of its own, which a compositor gives
    // only after the player's own input in this program.
    const bool withToken = IsWaylandPlatform(QGuiApplication::platformName()) && !activationToken.isEmpty();
    if (withToken)
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    window.activateWindow();
    if (withToken)
        qunsetenv("XDG_ACTIVATION_TOKEN");
    if (window.isActiveWindow()) {
        done(true);
        return;
    }
    // The answer comes from the window system, as an event: the window's
    // becoming active, or nothing within the wait.
    auto* watch = new QObject(&window);
    auto answer = std::make_shared<std::function<void(bool)>>(std::move(done));
    const auto finish = [watch, answer](bool cameToFront) {
        if (!*answer)
            return;
        const auto reply = std::exchange(*answer, {});
        watch->deleteLater();
        reply(cameToFront);
    };
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, watch,
                     [finish, target = QPointer<QWidget>(&window)] {
                         if (target && target->isActiveWindow())
                             finish(true);
                     });
    QTimer::singleShot(kActivationWaitMs, watch, [finish] { finish(false); });
}

} // namespace kibbo
