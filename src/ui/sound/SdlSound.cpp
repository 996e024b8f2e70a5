// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound/SdlSound.h"

#include "platform/FileIO.h"
#include "platform/ProgramPath.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#ifdef KIBBO_QUIET_ALSA
#include <alsa/asoundlib.h>
#endif

namespace kibbo {

#ifdef KIBBO_QUIET_ALSA
namespace {

// Without a sound card ALSA writes eight lines of its own; the game's one
// line says what matters.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace
#endif

namespace {

constexpr int kEffectChannel = 0;
// About 23 ms at 44.1 kHz: a bark follows its key without a noticeable lag.
constexpr int kBufferFrames = 1024;

std::string ProgramSoundFolder()
{
    char* base = SDL_GetBasePath();
    if (!base)
        return {};
    const std::string folder = JoinProgramPath(base, kSoundFolder);
    SDL_free(base);
    return folder;
}

// The music is mixed first into SDL_mixer's buffer, and the effects on top.
void SDLCALL MixMusic(void* music, Uint8* stream, int length)
{
    static_cast<FluidMusic*>(music)->render(reinterpret_cast<std::int16_t*>(stream), length / 4);
}

} // namespace

void SdlSound::ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    Mix_FreeChunk(chunk);
}

SdlSound::SdlSound()
    : SdlSound(kSoundFont, ProgramSoundFolder())
{
}

SdlSound::SdlSound(std::string soundFont, std::string soundFolder)
    : m_soundFont(std::move(soundFont))
    , m_soundFolder(std::move(soundFolder))
    , m_effectsVolume(MIX_MAX_VOLUME)
{
}

void SdlSound::NameStream(const char* name, const char* iconName)
{
    SDL_SetHint(SDL_HINT_APP_NAME, name);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, name);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, name);
    // SDL 2 names no icon; PulseAudio, and PipeWire in its place, take the
    // stream's properties from the environment too. Set before the loader
    // thread exists, as nothing may read the environment meanwhile.
    setenv("PULSE_PROP_application.icon_name", iconName, 1);
}

SdlSound::~SdlSound()
{
    if (m_loader.joinable())
        m_loader.join();
    if (!m_deviceOpen)
        return;
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (Chunk& chunk : m_effects)
        chunk.reset();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::start()
{
    if (!m_loader.joinable())
        m_loader = std::thread(&SdlSound::load, this);
}

bool SdlSound::waitUntilReady(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_readyMutex);
    m_readyChanged.wait_for(lock, timeout, [this] { return m_ready; });
    return m_ready && m_deviceOpen;
}

void SdlSound::load()
{
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl+C would no
    // longer end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
#ifdef KIBBO_QUIET_ALSA
    snd_lib_error_set_handler(IgnoreAlsaError);
#endif
    bool open = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    // The music is rendered as 16-bit stereo; SDL converts it for a device
    // that wants something else.
    if (open && Mix_OpenAudioDevice(MIX_DEFAULT_FREQUENCY, AUDIO_S16SYS, 2, kBufferFrames, nullptr,
                                    SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        open = false;
    }
    if (open) {
        Mix_AllocateChannels(1);
        readAhead();
        m_deviceOpen.store(true, std::memory_order_release);

        int rate = MIX_DEFAULT_FREQUENCY;
        Mix_QuerySpec(&rate, nullptr, nullptr);
        if (m_music.load(m_soundFont, rate))
            Mix_HookMusic(MixMusic, &m_music);
        else
            std::fprintf(stderr, "kibbo: no sound font at %s; music is silent\n", m_soundFont.c_str());
    } else {
        std::fprintf(stderr, "kibbo: no sound device (%s); the game is silent\n", SDL_GetError());
    }

    std::lock_guard lock(m_readyMutex);
    m_ready = true;
    m_readyChanged.notify_all();
}

std::string SdlSound::pathOf(std::string_view file) const
{
    return JoinProgramPath(m_soundFolder, file);
}

void SdlSound::readAhead()
{
    std::error_code error;
    if (!std::filesystem::is_directory(m_soundFolder, error)) {
        std::fprintf(stderr, "kibbo: no folder %s; the game is silent\n", m_soundFolder.c_str());
        return;
    }
    for (Effect effect : kEffects)
        m_effects[static_cast<std::size_t>(effect)].reset(Mix_LoadWAV(pathOf(FileOf(effect)).c_str()));
    for (Tune tune : kTunes)
        m_midiFiles[static_cast<std::size_t>(tune)] = ReadWholeFile(pathOf(FileOf(tune))).value_or(std::string());
}

void SdlSound::playEffect(Effect effect)
{
    if (!m_deviceOpen.load(std::memory_order_acquire))
        return;
    const auto i = static_cast<std::size_t>(effect);
    Chunk& chunk = m_effects[i];
    if (!chunk && !m_effectLookedFor[i]) {
        chunk.reset(Mix_LoadWAV(pathOf(FileOf(effect)).c_str()));
        m_effectLookedFor[i] = true;
    }
    const int volume = m_effectsVolume.load(std::memory_order_relaxed);
    if (!chunk || volume == 0)
        return;
    Mix_HaltChannel(kEffectChannel);
    Mix_Volume(kEffectChannel, volume);
    Mix_PlayChannel(kEffectChannel, chunk.get(), 0);
}

std::string SdlSound::midiFile(Tune tune) const
{
    if (m_deviceOpen.load(std::memory_order_acquire)) {
        const std::string& readAhead = m_midiFiles[static_cast<std::size_t>(tune)];
        if (!readAhead.empty())
            return readAhead;
    }
    return ReadWholeFile(pathOf(FileOf(tune))).value_or(std::string());
}

void SdlSound::playMusic(Tune tune)
{
    // Opening a piece cuts off the one before, even while it sounds.
    m_music.open(midiFile(tune));
    m_music.play();
}

void SdlSound::stopMusic()
{
    m_music.stop();
    m_music.close();
}

void SdlSound::setLevels(const SoundLevels& levels)
{
    m_music.setVolume(levels.music ? levels.musicVolume : 0);
    const int effects = levels.effects ? levels.effectsVolume * MIX_MAX_VOLUME / 100 : 0;
    m_effectsVolume.store(effects, std::memory_order_relaxed);
    // A bark still sounding follows at once.
    if (m_deviceOpen.load(std::memory_order_acquire))
        Mix_Volume(kEffectChannel, effects);
}

void SdlSound::setMusicPaused(bool paused)
{
    m_music.setPaused(paused);
}

} // namespace kibbo
