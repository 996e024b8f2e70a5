// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Controls.h"
#include "game/FollowUp.h"
#include "game/Game.h"
#include "ui/Form1.h"
#include "ui/ScoreBoard.h"
#include "ui/ScoreBoardStart.h"
#include "ui/DiskQueue.h"
#include "ui/Form2.h"
#include "ui/FrmAbout.h"
#include "ui/HistoryWriter.h"
#include "ui/MainFormDesign.h"
#include "ui/OptionsWindow.h"
#include "ui/PictureCache.h"
#include "ui/RecordsWindow.h"
#include "ui/SingleWindow.h"
#include "ui/WindowShape.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace kibbo {

// The game's one window and its event shell: it turns the mouse, the keys
// and Timer1 into calls of the Game it owns, follows up on what they return
// (the player's files are reached only through the disk queue, beside the
// window), shows what the rules set on its controls (made by
// MainFormDesign), moves itself when dragged by the background and opens
// the other windows. It only reads the rules' state.
class MainForm final : public QWidget, public MainFormControls {
    Q_OBJECT
public:
    // programFolder is where ani/, pics/ and sound/ are found; files the
    // player's own; currentSeconds gives the seconds field of the time of
    // day; trace, when given, receives one line per game event.
    MainForm(SoundService& sound, std::string programFolder, PlayerFiles files,
             std::function<int()> currentSeconds, std::function<void(std::string_view)> trace = {});
    ~MainForm() override;

    Game& game() { return m_game; }
    QWidget* control(Control c) const { return m_controls[Index(c)]; }
    // The area inside the one-pixel border, where the controls are placed.
    QWidget* clientArea() const { return m_client; }
    const QTimer& timer1() const { return m_timer1; }
    const WindowDrag& drag() const { return m_drag; }

    // The windows the menu and a cleared game open; null while closed.
    Form1* form1() const { return m_form1.get(); }
    Form2* form2() const { return m_form2.get(); }
    FrmAbout* frmAbout() const { return m_frmAbout.get(); }
    ScoreBoardStart* scoreBoardStart() const { return m_scoreBoardStart.get(); }
    ScoreBoard* scoreBoard() const { return m_scoreBoard.get(); }
    RecordsWindow* recordsWindow() const { return m_records.get(); }
    OptionsWindow* optionsWindow() const { return m_options.get(); }
    // The player's data in memory, and the queue that reads and writes the
    // files beside the window.
    DataKeeper& keeper() { return m_keeper; }
    DiskQueue& disk() { return m_disk; }

    // The records window, from the ranking viewer or from a second start
    // with --records; opened is called with it.
    void openRecords(std::function<void(QWidget& records)> opened = {});
    // The options window, from the key settings' options button.
    void openOptions();

    // Run when the player quits; leaves the event loop unless replaced.
    std::function<void()> endProgram;

    void setCaption(Control c, std::u16string_view text) override;
    void setMarkedCaption(Control c, std::u16string_view text, std::size_t typed, std::size_t end) override;
    void setVisible(Control c, bool visible) override;
    void loadPicture(Control c, std::string_view relativePath) override;
    void setLeft(Control c, int twips) override;
    void setTimer1Enabled(bool enabled) override;

    using QWidget::setVisible;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr std::size_t Index(Control c) { return static_cast<std::size_t>(c); }

    void connectMenu();
    void openScoreBoard(std::int32_t score, Input input);
    bool handleDragEvent(QWidget* surface, QEvent* event);
    bool handlePictureButtonEvent(PictureButton button, QEvent* event);
    void handleKeyPreview(QObject* receiver, QEvent* event);
    void toggleSound(bool music);
    void clearSaved(const ClearResult& clear);

    std::string m_programFolder;
    // The compositor places the windows, moves this one when dragged and
    // shapes it by what it paints.
    bool m_onWayland = false;
    PlayerFiles m_files;
    PictureCache m_pictures;
    WindowDrag m_drag;
    // The second click of a double click that lands on another picture
    // button than the first (Top_btn appears where Start_btn was) is no press.
    std::optional<PictureButton> m_lastPressed;
    bool m_swallowRelease = false;
    QWidget* m_client = nullptr;
    MainFormControlSet m_controls{};
    QTimer m_timer1;
    DiskQueue m_disk;
    FileStore m_store;
    DataKeeper m_keeper;
    HistoryWriter m_history;
    // The window's size in per cent, as the game was started with it.
    int m_scale = 100;
    // Window events worth a --trace line (a move handed to the compositor).
    std::function<void(std::string_view)> m_trace;
    // Set once the window is being destroyed: results still arriving then
    // open no window.
    bool m_closing = false;
    Game m_game;
    FollowUp m_followUp;
    SingleWindow<Form1> m_form1;
    SingleWindow<Form2> m_form2;
    SingleWindow<FrmAbout> m_frmAbout;
    SingleWindow<ScoreBoardStart> m_scoreBoardStart;
    SingleWindow<ScoreBoard> m_scoreBoard;
    SingleWindow<RecordsWindow> m_records;
    SingleWindow<OptionsWindow> m_options;
};

} // namespace kibbo
