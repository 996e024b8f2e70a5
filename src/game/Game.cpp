// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "prefs/Options.h"
#include "scores/KeyStats.h"
#include "scores/ScoreFiles.h"
#include "typing/DogTable.h"
#include "typing/Guide.h"
#include "typing/PracticeDogs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace kibbo {

namespace {

std::u16string Decimal(int value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

std::string Utf8(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t c : text)
        bytes += KeyText(c);
    return bytes;
}

// Which controls each screen shows: title, play, game over, cleared. The
// picture buttons other than Start_btn are always shown, and the reading
// (txtTyp item 1) is never shown, so neither is listed.
struct ScreenRow {
    Control control;
    bool title, play, gameOver, cleared;
};

constexpr ScreenRow kScreens[] = {
    {Control::StartBtn, true, false, false, false},
    {Control::KeySettei, true, false, false, false},
    {Control::Howto, true, false, false, false},
    {Control::VersionBtn, true, false, false, false},
    {Control::ScoreBtn, true, false, false, false},
    {Control::PauseCaption, false, false, false, false},
    {Control::Image2, false, true, false, false},
    {Control::Image3, false, true, false, false},
    {Control::Image1, false, true, false, false},
    {Control::TxtTyp0, false, true, false, false},
    {Control::TxtTyp2, false, true, false, false},
    {Control::Label3, false, true, false, false},
    {Control::LimitTime, false, true, false, false},
    {Control::Label9, false, true, false, false},
    {Control::Label10, false, true, false, false},
    {Control::Label11, false, true, false, false},
    {Control::Label12, false, true, false, false},
    {Control::Label13, false, true, false, false},
    {Control::Label14, false, true, false, false},
    {Control::Label2, false, false, true, true},
    {Control::Label4, false, false, true, true},
    {Control::Label5, false, false, true, true},
    {Control::Label6, false, false, true, true},
    {Control::Label7, false, false, true, true},
    {Control::Label8, false, false, true, true},
    {Control::Label15, false, false, true, true},
    {Control::Label16, false, false, true, true},
    {Control::Label17, false, false, true, true},
    {Control::Label1, false, false, false, true},
    {Control::Label18, false, false, false, true},
    {Control::Label19, false, false, false, true},
};

bool ShownOn(const ScreenRow& row, Screen screen)
{
    switch (screen) {
    case Screen::Title:
        return row.title;
    case Screen::Play:
        return row.play;
    case Screen::GameOver:
        return row.gameOver;
    case Screen::Cleared:
        return row.cleared;
    }
    return false;
}

} // namespace

std::int32_t TypingSpeed(std::int32_t typeCount, std::int32_t playSeconds)
{
    const double seconds = playSeconds > 0 ? playSeconds : 1;
    // nearbyint rounds halves to the even neighbour.
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(std::int64_t{typeCount} * 60) / seconds));
}

std::int32_t TotalScore(std::int32_t speed, std::int16_t missCount)
{
    return speed * 77 - std::int32_t{missCount} * 123;
}

Game::Game(Services services)
    : m_controls(services.controls)
    , m_sound(services.sound)
    , m_data(services.data)
    , m_currentSeconds(std::move(services.currentSeconds))
    , m_trace(std::move(services.trace))
    , m_recordGame(std::move(services.recordGame))
    , m_milliseconds(std::move(services.milliseconds))
{
}

void Game::formLoad()
{
    m_state.clockHour = 13;
    m_state.dogIndex = static_cast<std::int16_t>(m_currentSeconds());
    m_state.screen = Screen::Title;
    m_controls.loadPicture(Control::Image6, kTitleWall);
    const Options& options = m_data.options;
    setSoundLevels({options.music, options.effects, options.musicVolume, options.effectsVolume});
    optionsChanged();
}

void Game::newGame()
{
    GameState& s = m_state;
    s.dogIndex = static_cast<std::int16_t>(m_currentSeconds());
    s.missCount = 0;
    s.missRun = 0;
    s.dogCount = 0;
    s.typGuide.clear();
    s.effectFile.reset();
    s.musicFile.reset();
    s.limitTick = 0;
    s.walkFrame = 0;
    s.clockMinute = 0;
    s.clockHour = 13;
    s.minuteTicks = 0;
    s.stage17Done = 0;
    s.stage18Done = 0;
    s.musicRestarts = 0;
    // Cleared too, so that every game gets both restarts of the opening music.
    s.musicTicks = 0;
    s.typeCount = 0;
    s.playSeconds = 0;
    s.anySpellingUsed = false;
    s.finishedDog.reset();
    s.beforeSharedKey.reset();
    s.missedKeys.clear();
    s.typedKeys.clear();
    s.lastKeyMs.reset();
    s.practiceUsed = false;
    s.guideHiddenUsed = false;
    s.dogsShown = 0;
    s.recentDogs.clear();
    s.weakWeights.reset();
    s.weakShares.clear();
    s.walkerLeft = kWalkerStartLeft;
    if (s.paused)
        m_sound.setMusicPaused(false);
    s.paused = false;
    m_controls.setLeft(Control::Image3, s.walkerLeft);
    m_controls.loadPicture(Control::Image2, kStreetAfternoon);
}

void Game::nextDog()
{
    GameState& s = m_state;
    // Taken at every dog, so a change in the settings applies from the next dog.
    s.keyPref = m_data.keyPrefs;
    const Options& options = m_data.options;
    if (s.dogsShown == 0)
        s.input = m_data.input();
    // Other spellings are a romaji matter.
    s.anySpelling = options.anySpelling && s.input == Input::Romaji;
    s.anySpellingUsed = s.anySpellingUsed || s.anySpelling;
    s.weakKeys = options.weakKeys;
    s.readingShown = options.reading;
    s.guideHidden = options.guideHidden;
    s.guideHiddenUsed = s.guideHiddenUsed || s.guideHidden;
    s.guideShownAfterMiss = false;
    m_controls.setTimer1Enabled(true);
    m_controls.setCaption(Control::Label3, u"制限時間");
    s.stepWidth = 60;

    const DogChoice choice = chooseDog();
    const std::int16_t shown = choice.dog;
    s.shownDog = shown;
    const DogEntry& dog = dogTable.at(static_cast<std::size_t>(shown));
    m_controls.setCaption(Control::TxtTyp0, dog.dogName);
    m_controls.setCaption(Control::TxtTyp1, dog.dogYomi);
    // The romaji guide sets the time in kana too, so that a dog gives the
    // same time whatever the input.
    const std::u16string guide = MakeGuide(dog.dogYomi, s.keyPref);
    s.limitTick = static_cast<std::int16_t>(5 * guide.size());
    s.typGuide = guide;
    if (s.anySpelling)
        s.matcher.emplace(dog.dogYomi, s.keyPref);
    else
        s.matcher.reset();
    if (s.input == Input::Kana) {
        s.kanaMatcher.emplace(dog.dogYomi);
        s.typGuide = s.kanaMatcher->guide();
    } else {
        s.kanaMatcher.reset();
    }
    m_controls.setCaption(Control::TxtTyp2, s.typGuide);
    if (s.readingShown && s.input == Input::Romaji && !s.matcher)
        s.readingMark.emplace(dog.dogYomi, s.keyPref);
    else
        s.readingMark.reset();
    markReading();
    showAids();
    m_controls.setCaption(Control::Label12, Decimal(s.clockHour));
    m_controls.loadPicture(Control::Image1, DogPicture(dog.dogPic));
    // The dog's first key is reading, not typing: it goes untimed.
    s.lastKeyMs.reset();
    // Said by the choice itself: practice may choose the very dog the sweep
    // stands at.
    trace("dog\t" + std::to_string(shown) + "\t" + Utf8(s.typGuide) + (choice.practice ? "\tpractice" : ""));
}

Game::DogChoice Game::chooseDog()
{
    GameState& s = m_state;
    DogChoice choice{s.dogIndex, false};
    // Every second dog trains the weak keys; the others still come from the
    // sweep, so that practice meets the whole catalogue over time. The
    // sweep itself runs on untouched.
    if (s.weakKeys && s.dogsShown % 2 == 1) {
        // Judged once a game, and every dog's share once for its spellings.
        // Keys the player chose come before the measured ones.
        if (!s.weakWeights) {
            const std::u16string chosen = KeysOfText(m_data.options.focusKeys, s.input);
            s.weakWeights.emplace();
            for (const KeyChar key : chosen)
                (*s.weakWeights)[key] = 1;
            if (chosen.empty())
                s.weakWeights = WeakKeyWeights(KeyStatsOf(m_data.recentGames, s.input));
        }
        if (s.weakShares.empty() || s.weakSharesFor != s.keyPref) {
            s.weakShares = WeakShares(*s.weakWeights, s.keyPref, s.input);
            s.weakSharesFor = s.keyPref;
        }
        if (const std::optional<std::int16_t> chosen = WeakKeyDog(s.weakShares, s.recentDogs)) {
            choice = {*chosen, true};
            s.practiceUsed = true;
        }
    }
    ++s.dogsShown;
    s.recentDogs.push_back(choice.dog);
    if (s.recentDogs.size() > kPracticeFreshDogs)
        s.recentDogs.erase(s.recentDogs.begin());
    return choice;
}

void Game::beginPlay()
{
    trace("start");
    nextDog();
    m_controls.loadPicture(Control::Image6, kPlayWall);
    showScreen(Screen::Play);
    changeMusic(Tune::Opening);
    m_state.effectFile = Effect::Bark;
}

void Game::titleSetUp()
{
    m_controls.loadPicture(Control::Image6, kTitleWall);
    showScreen(Screen::Title);
    m_controls.setTimer1Enabled(false);
    stopMusic();
}

void Game::showScreen(Screen screen)
{
    m_state.screen = screen;
    for (const ScreenRow& row : kScreens)
        m_controls.setVisible(row.control, ShownOn(row, screen));
    optionsChanged();
}

void Game::optionsChanged()
{
    const Screen screen = m_state.screen;
    const bool practising = m_data.options.weakKeys;
    m_controls.setVisible(Control::PracticeNote, practising && (screen == Screen::Title || screen == Screen::Play));
    showAids();
}

void Game::markReading()
{
    const GameState& s = m_state;
    if (!s.readingShown)
        return;
    const std::u16string_view reading = dogTable.at(static_cast<std::size_t>(s.shownDog)).dogYomi;
    std::size_t typed = 0, end = 0;
    if (s.kanaMatcher) {
        typed = reading.size() - s.kanaMatcher->guide().size();
        end = std::min(typed + 1, reading.size());
    } else if (const RomajiMatcher* marks = s.matcher ? &*s.matcher : s.readingMark ? &*s.readingMark : nullptr) {
        const RomajiMatcher::Progress progress = marks->progress();
        typed = progress.typed;
        end = progress.end;
    }
    m_controls.setMarkedCaption(Control::Reading, reading, typed, end);
}

void Game::showAids()
{
    const GameState& s = m_state;
    const bool playing = s.screen == Screen::Play && !s.paused;
    m_controls.setVisible(Control::Reading, playing && s.readingShown);
    // Off play the screens decide: the empty guide stands on the first title.
    if (playing)
        m_controls.setVisible(Control::TxtTyp2, !s.guideHidden || s.guideShownAfterMiss);
}

void Game::moveWalker(int by)
{
    m_state.walkerLeft += by;
    m_controls.setLeft(Control::Image3, m_state.walkerLeft);
}

void Game::changeMusic(Tune tune)
{
    // A new tune cuts off the one playing and starts from its beginning.
    m_state.musicFile = tune;
    playMusic();
}

Outcome Game::tick()
{
    GameState& s = m_state;
    if (s.screen != Screen::Play || s.paused)
        return Outcome::Nothing;
    // The dog the next set-up shows depends on the tick it happens in.
    const int lastIndex = static_cast<int>(dogTable.size()) - 1;
    s.dogIndex = static_cast<std::int16_t>(s.dogIndex >= lastIndex ? 0 : s.dogIndex + 1);
    ++s.minuteTicks;
    ++s.musicTicks;
    if (s.minuteTicks >= 10) {
        ++s.clockMinute;
        ++s.playSeconds;
        if (s.clockMinute >= 60) {
            ++s.clockHour;
            m_controls.setCaption(Control::Label12, Decimal(s.clockHour));
            s.clockMinute = 0;
            if (s.stage17Done == 0 && s.clockHour == 17) {
                m_controls.loadPicture(Control::Image2, kStreetDusk);
                s.stage17Done = 1;
                changeMusic(Tune::Dusk);
            }
            if (s.stage18Done == 0 && s.clockHour == 18) {
                m_controls.loadPicture(Control::Image2, kStreetNight);
                s.stage18Done = 1;
                changeMusic(Tune::Night);
            }
            if (s.clockHour == 19) {
                gameOver();
                return Outcome::GameOver;
            }
        }
        std::u16string minute = Decimal(s.clockMinute);
        if (s.clockMinute < 10)
            minute.insert(minute.begin(), u'0');
        m_controls.setCaption(Control::Label14, minute);
        s.minuteTicks = 0;
    }
    if (s.musicRestarts < 2 && s.musicTicks > 1000) {
        changeMusic(Tune::Opening);
        s.musicTicks = 0;
        ++s.musicRestarts;
    }
    --s.limitTick;
    m_controls.setCaption(Control::LimitTime, Decimal(static_cast<int>(std::nearbyint(s.limitTick / 10.0))));
    Outcome outcome = Outcome::Nothing;
    if (s.limitTick == 0) {
        s.finishedDog.reset();
        s.beforeSharedKey.reset();
        trace("timeout");
        nextDog();
        if (s.walkerLeft > kWalkerBackLimit)
            moveWalker(-s.stepWidth);
        outcome = Outcome::DogDone;
    }
    s.walkFrame = static_cast<std::int16_t>(s.walkFrame + 1 >= 3 ? 0 : s.walkFrame + 1);
    m_controls.loadPicture(Control::Image3, kWalkerFrames[static_cast<std::size_t>(s.walkFrame)]);
    return outcome;
}

Outcome Game::keyPress(char16_t code, std::optional<char16_t> kana)
{
    GameState& s = m_state;
    if (s.input == Input::Kana && kana)
        code = *kana;
    if (code == 0)
        return Outcome::Nothing;
    // A typist's hands are on the keys: Enter starts a game from the title
    // and the next one from an end screen, Escape goes back to the title.
    constexpr char16_t kEnter = u'\r';
    constexpr char16_t kEscape = u'\x1b';
    if (s.screen == Screen::Title && code == kEnter) {
        buttonUp(PictureButton::Start);
        return Outcome::Started;
    }
    if (s.screen == Screen::GameOver || s.screen == Screen::Cleared) {
        if (code == kEnter) {
            buttonUp(PictureButton::Restart);
            return Outcome::Started;
        }
        if (code == kEscape)
            buttonUp(PictureButton::Top);
        return Outcome::Nothing;
    }
    if (s.screen == Screen::Play && s.paused) {
        if (code == kEnter || code == kEscape)
            resume();
        return Outcome::Nothing;
    }
    if (s.screen == Screen::Play && code == kEscape && pause())
        return Outcome::Nothing;
    // Outside play the guide is hidden or stale; judging it would count
    // keys, replay the bark or even clear the game a second time.
    if (s.screen != Screen::Play || s.typGuide.empty())
        return Outcome::Nothing;
    if (takenByFinishedDog(code)) {
        playEffect();
        ++s.typeCount;
        return Outcome::Nothing;
    }
    const std::size_t shownBefore = s.typGuide.size();
    const KeyChar showing = s.kanaMatcher ? s.kanaMatcher->expected() : s.typGuide.front();
    if (!judge(code)) {
        countMistype(showing, code);
        // Nobody is left stuck: the guide shows until the dog is done.
        if (s.guideHidden && !s.guideShownAfterMiss) {
            s.guideShownAfterMiss = true;
            showAids();
        }
        ++s.missCount;
        ++s.missRun;
        if (s.missRun > 5) {
            if (s.walkerLeft > kWalkerBackLimit)
                moveWalker(-s.stepWidth);
            s.missRun = 0;
        }
        return Outcome::Nothing;
    }
    timeKey(showing);
    m_controls.setCaption(Control::TxtTyp2, s.typGuide);
    if (s.readingMark)
        s.readingMark->type(code);
    markReading();
    playEffect();
    ++s.typeCount;
    if (!s.typGuide.empty())
        return Outcome::Nothing;

    if (s.matcher && shownBefore > 1)
        s.finishedDog = std::move(s.matcher);
    nextDog();
    moveWalker(s.stepWidth);
    ++s.dogCount;
    s.missRun = 0;
    if (s.walkerLeft > kWalkerHomeLeft) {
        clearGame();
        return Outcome::Cleared;
    }
    return Outcome::DogDone;
}

bool Game::takenByFinishedDog(char16_t code)
{
    GameState& s = m_state;
    std::optional<RomajiMatcher> finished = std::exchange(s.finishedDog, std::nullopt);
    std::optional<RomajiMatcher> before = std::exchange(s.beforeSharedKey, std::nullopt);
    if (!s.matcher)
        return false;
    auto takes = [code](RomajiMatcher matcher) { return matcher.type(code); };
    if (finished && takes(*finished)) {
        // The second n of a final "nn" whose first one already finished the
        // dog, unless the new dog can take it too: then both stay possible
        // for one more key.
        if (!takes(*s.matcher))
            return true;
        s.beforeSharedKey = s.matcher;
    } else if (before && !takes(*s.matcher) && takes(*before)) {
        // The shared key was the finished dog's after all.
        s.matcher = std::move(before);
    }
    return false;
}

bool Game::judge(char16_t code)
{
    GameState& s = m_state;
    if (s.kanaMatcher) {
        if (!s.kanaMatcher->type(code))
            return false;
        s.typGuide = s.kanaMatcher->guide();
        return true;
    }
    if (!s.matcher) {
        if (code != s.typGuide.front())
            return false;
        s.typGuide.erase(0, 1);
        return true;
    }
    if (!s.matcher->type(code))
        return false;
    s.typGuide = s.matcher->guide();
    return true;
}

void Game::timeKey(KeyChar key)
{
    GameState& s = m_state;
    KeyTally& tally = s.typedKeys[key];
    ++tally.count;
    if (!m_milliseconds)
        return;
    const std::int64_t now = m_milliseconds();
    // A long gap is the player reading or looking away, not typing.
    if (s.lastKeyMs && now - *s.lastKeyMs <= kLongestKeyGap) {
        ++tally.timed;
        tally.totalMs += now - *s.lastKeyMs;
    }
    s.lastKeyMs = now;
}

void Game::countMistype(KeyChar expected, char16_t code)
{
    ++m_state.missedKeys[expected];
    // A key that is no printable ASCII (Backspace, a kana in a romaji game)
    // is written by its code, so that a trace line stays one line of plain
    // text; a kana game's kana keys are written as the kana.
    char typed[8] = {static_cast<char>(code)};
    if (code < u' ' || code >= 0x7f)
        std::snprintf(typed, sizeof typed, "U+%04X", static_cast<unsigned>(code));
    const bool kanaKey = m_state.input == Input::Kana && KeyOfKana(code);
    trace("miss\t" + KeyText(expected) + "\t" + (kanaKey ? KeyText(code) : std::string(typed)));
}

void Game::recordGame(Ending ending, std::optional<std::int32_t> score)
{
    if (!m_recordGame)
        return;
    const GameState& s = m_state;
    GameRecord record;
    record.ending = ending;
    record.score = score;
    record.speed = TypingSpeed(s.typeCount, s.playSeconds);
    record.dogs = s.dogCount;
    record.mistypes = s.missCount;
    record.seconds = s.playSeconds;
    record.anySpelling = s.anySpellingUsed;
    record.missed = s.missedKeys;
    for (const auto& [key, tally] : s.typedKeys) {
        KeyTimes& times = record.typed[key];
        times.count = tally.count;
        if (tally.timed > 0)
            times.meanMs = static_cast<std::int32_t>(std::llround(static_cast<double>(tally.totalMs) / tally.timed));
    }
    // A key only ever missed was asked for too.
    for (const auto& [key, count] : s.missedKeys)
        record.typed.try_emplace(key);
    record.mode = ModeOf(s.input, s.practiceUsed);
    record.guideHidden = s.guideHiddenUsed;
    m_recordGame(std::move(record));
}

void Game::showResults()
{
    m_controls.setTimer1Enabled(false);
    m_controls.setCaption(Control::Label5, Decimal(m_state.dogCount));
    m_controls.setCaption(Control::Label6, Decimal(m_state.missCount));
}

void Game::gameOver()
{
    GameState& s = m_state;
    showScreen(Screen::GameOver);
    showResults();
    const std::int32_t speed = TypingSpeed(s.typeCount, s.playSeconds);
    m_controls.setCaption(Control::Label16, Decimal(speed));
    m_controls.setCaption(Control::Label14, Decimal(s.clockMinute).insert(0, 1, u'0'));
    m_controls.loadPicture(Control::Image6, kGameOverWall);
    changeMusic(Tune::GameOver);
    trace("over\t" + std::to_string(speed) + "\t" + std::to_string(s.dogCount) + "\t"
          + std::to_string(s.missCount));
    recordGame(Ending::Over, std::nullopt);
}

void Game::clearGame()
{
    GameState& s = m_state;
    showScreen(Screen::Cleared);
    showResults();
    m_controls.loadPicture(Control::Image6, kClearedWall);
    ClearResult result;
    result.speed = TypingSpeed(s.typeCount, s.playSeconds);
    m_controls.setCaption(Control::Label16, Decimal(result.speed));
    result.score = TotalScore(result.speed, s.missCount);
    result.practice = s.practiceUsed;
    result.input = s.input;
    m_controls.setCaption(Control::Label19, Decimal(result.score));

    m_lastClear = result;

    changeMusic(Tune::Fanfare);
    trace("clear\t" + std::to_string(result.score) + "\t" + std::to_string(result.speed) + "\t"
          + std::to_string(s.dogCount) + "\t" + std::to_string(s.missCount));
    recordGame(Ending::Cleared, result.score);
}

const ClearResult& Game::finishClear(const SaveOutcome& lastScoreSave, const Ranking& ranking)
{
    GameState& s = m_state;
    ClearResult& result = m_lastClear;
    result.scoreSaved = lastScoreSave.saved();
    result.lastScoreSave = lastScoreSave;
    for (int i = 0; i < kRankPlaces; ++i)
        s.rankScore[i] = ranking.rankScore[i];
    // Practice chose its dogs, so its score is no comparison with the
    // ranking's games.
    result.entersRanking = !result.practice && s.rankScore[kRankPlaces - 1] < result.score;
    return result;
}

void Game::trace(const std::string& line) const
{
    if (m_trace)
        m_trace(line);
}

void Game::buttonDown(PictureButton button)
{
    m_controls.loadPicture(ControlOf(button), PicturesOf(button).pressed);
    m_state.effectFile = Effect::Click;
    playEffect();
    m_state.effectFile = Effect::Bark;
}

ButtonOutcome Game::buttonUp(PictureButton button)
{
    m_controls.loadPicture(ControlOf(button), PicturesOf(button).released);
    // A game left in the middle is kept too; one that ended was kept then.
    if (m_state.screen == Screen::Play && button != PictureButton::Start)
        recordGame(Ending::Left, std::nullopt);
    switch (button) {
    case PictureButton::Start:
        beginPlay();
        return ButtonOutcome::Started;
    case PictureButton::Restart:
        newGame();
        beginPlay();
        return ButtonOutcome::Started;
    case PictureButton::Top:
        newGame();
        titleSetUp();
        break;
    case PictureButton::Finish:
        stopMusic();
        return ButtonOutcome::Quit;
    }
    return ButtonOutcome::Continue;
}

void Game::toggleMusic()
{
    const bool on = !m_levels.music;
    m_levels.music = on;
    m_sound.setLevels(m_levels);
    trace(on ? "music\ton" : "music\toff");
}

void Game::toggleEffects()
{
    const bool on = !m_levels.effects;
    m_levels.effects = on;
    m_sound.setLevels(m_levels);
    trace(on ? "effects\ton" : "effects\toff");
}

void Game::setSoundLevels(const SoundLevels& levels)
{
    m_levels = levels;
    m_sound.setLevels(m_levels);
}

bool Game::pause()
{
    GameState& s = m_state;
    if (s.screen != Screen::Play || s.paused || !m_data.options.pause)
        return false;
    s.paused = true;
    // Nothing of the dog stays on screen to be read ahead.
    for (Control c : {Control::TxtTyp0, Control::TxtTyp2, Control::Image1, Control::Reading})
        m_controls.setVisible(c, false);
    m_controls.setVisible(Control::PauseCaption, true);
    m_sound.setMusicPaused(true);
    trace("pause");
    return true;
}

void Game::resume()
{
    GameState& s = m_state;
    if (!s.paused)
        return;
    s.paused = false;
    // The pause is no time spent on the next key.
    s.lastKeyMs.reset();
    m_controls.setVisible(Control::PauseCaption, false);
    for (Control c : {Control::TxtTyp0, Control::Image1})
        m_controls.setVisible(c, true);
    showAids();
    m_sound.setMusicPaused(false);
    trace("resume");
}

void Game::playEffect()
{
    if (m_state.effectFile)
        m_sound.playEffect(*m_state.effectFile);
}

void Game::playMusic()
{
    if (m_state.musicFile)
        m_sound.playMusic(*m_state.musicFile);
}

void Game::stopMusic()
{
    m_sound.stopMusic();
}

} // namespace kibbo
