// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace kibbo {

// A window the program has at most one of: opened, it is created (and loads
// itself) unless it is already there, then shown and brought to the front.
// Every window of the game deletes itself when closed (WA_DeleteOnClose),
// which makes room for a new one.
template <class Window>
class SingleWindow {
public:
    SingleWindow() = default;
    SingleWindow(const SingleWindow&) = delete;
    SingleWindow& operator=(const SingleWindow&) = delete;
    ~SingleWindow() { delete m_window.data(); }

    // True when a new window was made.
    template <class... Args>
    bool open(Args&&... args)
    {
        const bool created = !m_window;
        if (created) {
            m_window = new Window(std::forward<Args>(args)...);
            if (m_prepare)
                m_prepare(*m_window);
        }
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return created;
    }

    Window* get() const { return m_window.data(); }
    // Run on every new window before it is first shown.
    void setPrepare(std::function<void(QWidget&)> prepare) { m_prepare = std::move(prepare); }

private:
    QPointer<Window> m_window;
    std::function<void(QWidget&)> m_prepare;
};

} // namespace kibbo
