// SPDX-License-Identifier: GPL-3.0-or-later
// The music changes inside a timer tick or a button press, so every sound
// call made there has to return well within a frame; and the music must not
// make the game heavy. This drives the real sound with the real font through
// the music changes of whole games, timing each call on this (the window's)
// thread, and reads the process's memory while the music plays.
//
// The program folder comes from the first argument, else KIBBO_DIST, else
// the build's own.
#include "platform/ProgramPath.h"
#include "ui/sound/SdlSound.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// A figure from /proc/self/status, in megabytes.
double StatusMegabytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::strtod(line.c_str() + key.size() + 1, nullptr) / 1024.0;
    return 0.0;
}

template <typename Call>
double Timed(Call call)
{
    const auto begin = Clock::now();
    call();
    return Milliseconds(Clock::now() - begin);
}

} // namespace

int main(int argc, char* argv[])
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const char* dist = argc > 1 ? argv[1] : std::getenv("KIBBO_DIST");
    const std::string folder = dist ? dist : KIBBO_DIST_FOLDER;
    const auto path = [&folder](std::string_view relative) { return kibbo::JoinProgramPath(folder, relative); };

    const double memoryBefore = StatusMegabytes("VmRSS");
    kibbo::SdlSound sound(kibbo::SdlSound::kSoundFont, path(kibbo::kSoundFolder));
    const auto begin = Clock::now();
    const double startBlock = Timed([&sound] { sound.start(); });
    if (!sound.waitUntilReady(std::chrono::seconds(30))) {
        std::printf("music bench: no sound device\n");
        return 1;
    }
    const double readyTime = Milliseconds(Clock::now() - begin);

    // A game's music as the tick and the buttons change it: the opening
    // piece, its two restarts, 17:00, 18:00 and one of the two endings;
    // barks throughout, as the player types.
    using kibbo::Tune;
    const Tune game[] = {Tune::Opening, Tune::Opening, Tune::Opening, Tune::Dusk, Tune::Night, Tune::GameOver,
                         Tune::Opening, Tune::Opening, Tune::Dusk,    Tune::Night, Tune::Fanfare};
    constexpr int kRounds = 3;
    double longestChange = 0.0;
    double longestEffect = 0.0;
    int changes = 0;
    int heard = 0;
    int loudest = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (Tune piece : game) {
            const double change = Timed([&] { sound.playMusic(piece); });
            longestChange = std::max(longestChange, change);
            ++changes;
            bool sounded = false;
            for (int bark = 0; bark < 8; ++bark) {
                longestEffect = std::max(longestEffect, Timed([&] { sound.playEffect(kibbo::Effect::Bark); }));
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                loudest = std::max(loudest, sound.musicPeak());
                sounded = sounded || sound.musicPeak() > 0;
            }
            heard += sounded ? 1 : 0;
        }
    }
    const double memoryPlaying = StatusMegabytes("VmRSS");
    const double peakMemory = StatusMegabytes("VmHWM");
    sound.stopMusic();

    std::printf("sound start, window-thread block: %.2f ms (target: 16 ms)\n", startBlock);
    std::printf("sound start to ready (info): %.0f ms\n", readyTime);
    std::printf("music change, longest window-thread block: %.2f ms (target: 16 ms)\n", longestChange);
    std::printf("bark, longest window-thread block: %.2f ms (target: 16 ms)\n", longestEffect);
    std::printf("music changes heard (info): %d of %d\n", heard, changes);
    std::printf("loudest music sample (info): %d of 32767\n", loudest);
    std::printf("memory taken by sound and music (info): %.0f MB\n", memoryPlaying - memoryBefore);
    std::printf("peak memory with music playing: %.0f MB (target: 80 MB)\n", peakMemory);
    return 0;
}
