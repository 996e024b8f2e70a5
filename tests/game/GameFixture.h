// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doubles/FakeControls.h"
#include "doubles/FakeStore.h"
#include "doubles/RecordingSound.h"
#include "game/Game.h"
#include "prefs/KeyPrefs.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace kibbo::test {

// A game with a fake window, sound and player's files, and a clock whose
// seconds the test sets.
class GameTest : public ::testing::Test {
protected:
    GameTest()
        : game({controls, sound, store, [this] { return seconds; },
                [this](std::string_view line) { traced.emplace_back(line); },
                [this](GameRecord record) { records.push_back(std::move(record)); }, {},
                [this] { return now; }})
    {
    }

    void expectVisible(std::initializer_list<Control> list, bool visible)
    {
        for (Control c : list)
            EXPECT_EQ(controls.at(c).visible, visible) << "control " << static_cast<int>(c);
    }

    void savePrefs(const kibbo::KeyPrefs& prefs) { store.keyPrefs = prefs; }

    int seconds = 0;
    std::int64_t now = 0; // the steady clock's milliseconds
    FakeStore store;
    FakeControls controls;
    RecordingSound sound;
    std::vector<std::string> traced;
    std::vector<GameRecord> records; // every game that ended, as the history gets it
    Game game;
};

} // namespace kibbo::test
