// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "doubles/FakeControls.h"
#include "doubles/FakeStore.h"
#include "doubles/RecordingSound.h"
#include "game/FollowUp.h"
#include "game/Game.h"
#include "prefs/KeyPrefs.h"
#include "store/DataKeeper.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace kibbo::test {

// A game with a fake window, sound and player's files, and a clock whose
// seconds the test sets. The calls below are the window's: each is followed
// up as the window does, and a change the test makes to the files is seen at
// once, as the folder's watch sees it.
class GameTest : public ::testing::Test {
protected:
    GameTest()
        : game({controls, sound, keeper.data(), [this] { return seconds; },
                [this](std::string_view line) { traced.emplace_back(line); },
                [this](GameRecord record) { records.push_back(std::move(record)); }, [this] { return now; }})
        , followUp(game, keeper, [this](const ClearResult& clear) { cleared.push_back(clear); })
    {
        keeper.load();
        keeper.changed = [this] { game.optionsChanged(); };
    }

    // A call as the window makes it: after a look, and followed up.
    template <class Call>
    auto followed(Call call)
    {
        keeper.lookAgain();
        const auto outcome = call();
        followUp(outcome);
        return outcome;
    }

    Outcome keyPress(char16_t key)
    {
        return followed([&] { return game.keyPress(key); });
    }
    Outcome tick()
    {
        return followed([&] { return game.tick(); });
    }
    ButtonOutcome buttonUp(PictureButton button)
    {
        return followed([&] { return game.buttonUp(button); });
    }
    void formLoad()
    {
        keeper.lookAgain();
        game.formLoad();
    }
    void beginPlay()
    {
        keeper.lookAgain();
        game.beginPlay();
        followUp(Outcome::Started);
    }
    void nextDog()
    {
        keeper.lookAgain();
        game.nextDog();
    }
    void optionsChanged()
    {
        keeper.lookAgain();
        game.optionsChanged();
    }
    bool pause()
    {
        keeper.lookAgain();
        return game.pause();
    }
    void toggleMusic()
    {
        game.toggleMusic();
        followUp.soundToggled(true);
    }
    void toggleEffects()
    {
        game.toggleEffects();
        followUp.soundToggled(false);
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
    DataKeeper keeper{store};
    FakeControls controls;
    RecordingSound sound;
    std::vector<std::string> traced;
    std::vector<GameRecord> records;   // every game that ended, as the history gets it
    std::vector<ClearResult> cleared;  // every cleared game once its score is saved
    Game game;
    FollowUp followUp;
};

} // namespace kibbo::test
