#include "platform/sdl/SdlSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

namespace kibbo {

namespace {

constexpr int kEffectChannel = 0;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

} // namespace

void SdlSound::ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    Mix_FreeChunk(chunk);
}

void SdlSound::MusicDeleter::operator()(_Mix_Music* music) const
{
    Mix_FreeMusic(music);
}

SdlSound::SdlSound() = default;

SdlSound::~SdlSound()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    m_effects.clear();
    m_music.reset();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::open()
{
    if (m_open)
        return true;
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl+C would no
    // longer end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    // The music is MIDI, played through FluidSynth with the General MIDI
    // sound font that the set-up installs.
    if (std::filesystem::exists(kSoundFont))
        Mix_SetSoundFonts(kSoundFont);
    m_open = true;
    return true;
}

void SdlSound::playEffect(const std::string& fullPath)
{
    if (!m_open)
        return;
    auto it = m_effects.find(fullPath);
    if (it == m_effects.end())
        it = m_effects.emplace(fullPath, Mix_LoadWAV(fullPath.c_str())).first;
    // A missing file stays remembered as nothing, and stays silent.
    if (!it->second)
        return;
    Mix_HaltChannel(kEffectChannel);
    Mix_PlayChannel(kEffectChannel, it->second.get(), 0);
}

void SdlSound::openMusic(const std::string& fullPath)
{
    if (!m_open)
        return;
    Mix_HaltMusic();
    m_music.reset(Mix_LoadMUS(fullPath.c_str()));
}

void SdlSound::playMusic()
{
    if (m_music)
        Mix_PlayMusic(m_music.get(), 0);
}

void SdlSound::stopMusic()
{
    if (m_open)
        Mix_HaltMusic();
}

void SdlSound::closeMusic()
{
    if (m_open)
        Mix_HaltMusic();
    m_music.reset();
}

} // namespace kibbo
