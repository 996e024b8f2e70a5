#include "ui/sound/SdlSound.h"

#include "platform/FileIO.h"
#include "platform/ProgramPath.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdio>
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
    const std::string folder = JoinProgramPath(base, "sound");
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
{
}

SdlSound::~SdlSound()
{
    if (m_loader.joinable())
        m_loader.join();
    if (!m_deviceOpen)
        return;
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    m_effects.clear();
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

void SdlSound::readAhead()
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(m_soundFolder, error)) {
        std::fprintf(stderr, "kibbo: no folder %s; the game is silent\n", m_soundFolder.c_str());
        return;
    }
    for (fs::directory_iterator it(m_soundFolder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& file = it->path();
        const std::string path = JoinProgramPath(m_soundFolder, file.filename().string());
        if (file.extension() == ".wav")
            m_effects.emplace(path, Chunk(Mix_LoadWAV(path.c_str())));
        else if (file.extension() == ".mid")
            m_midiFiles.emplace(path, ReadWholeFile(path).value_or(std::string()));
    }
}

void SdlSound::playEffect(const std::string& fullPath)
{
    if (!m_deviceOpen.load(std::memory_order_acquire))
        return;
    auto it = m_effects.find(fullPath);
    // An effect from elsewhere than the sound folder is read at its first
    // use; a missing file stays remembered as nothing, and stays silent.
    if (it == m_effects.end())
        it = m_effects.emplace(fullPath, Chunk(Mix_LoadWAV(fullPath.c_str()))).first;
    if (!it->second)
        return;
    Mix_HaltChannel(kEffectChannel);
    Mix_PlayChannel(kEffectChannel, it->second.get(), 0);
}

std::string SdlSound::midiFile(const std::string& fullPath) const
{
    if (m_deviceOpen.load(std::memory_order_acquire)) {
        const auto it = m_midiFiles.find(fullPath);
        if (it != m_midiFiles.end())
            return it->second;
    }
    return ReadWholeFile(fullPath).value_or(std::string());
}

void SdlSound::openMusic(const std::string& fullPath)
{
    m_music.open(midiFile(fullPath));
}

void SdlSound::playMusic()
{
    m_music.play();
}

void SdlSound::stopMusic()
{
    m_music.stop();
}

void SdlSound::closeMusic()
{
    m_music.close();
}

} // namespace kibbo
