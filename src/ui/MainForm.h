#pragma once

#include "game/Controls.h"
#include "game/Game.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <set>
#include <string>

namespace kibbo {

// The game's one window: every control of the design at its place, the
// rounded outline without a title bar, dragging by the background, the four
// picture buttons and the key preview. The rules live in the Game it owns.
class MainForm final : public QWidget, public MainFormControls {
    Q_OBJECT
public:
    // programFolder is where ani/, pics/, sound/ and data/ are found;
    // currentSeconds gives the seconds field of the time of day.
    MainForm(SoundService& sound, std::string programFolder,
             std::function<int()> currentSeconds);

    Game& game() { return m_game; }
    QWidget* control(Control c) const { return m_controls[Index(c)]; }
    // The area inside the one-pixel border, where the controls are placed.
    QWidget* clientArea() const { return m_client; }
    const QTimer& timer1() const { return m_timer1; }

    // Receives the character of every key pressed while the window is
    // active, before the focused control sees the key.
    std::function<void(char16_t)> onKeyPress;
    // Run when the player quits; ends the process at once unless replaced.
    std::function<void()> endProgram;

    void setCaption(Control c, std::u16string_view text) override;
    void setVisible(Control c, bool visible) override;
    void loadPicture(Control c, std::string_view relativePath) override;
    int left(Control c) const override;
    void setLeft(Control c, int twips) override;
    void setTimer1Enabled(bool enabled) override;

    using QWidget::setVisible;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr std::size_t Index(Control c) { return static_cast<std::size_t>(c); }

    void createControls();
    bool handleDragEvent(QWidget* surface, QEvent* event);
    bool handlePictureButtonEvent(PictureButton button, QEvent* event);
    void handleKeyPreview(QObject* receiver, QEvent* event);

    std::string m_programFolder;
    std::set<std::string> m_missingPictures; // already warned about
    QWidget* m_client = nullptr;
    std::array<QWidget*, kControlCount> m_controls{};
    QTimer m_timer1;
    Game m_game;
};

} // namespace kibbo
