// The sound library on SDL2_mixer. Each buffer is a decoded chunk of its own with a mixer channel of its
// own, so a sound restarts on itself (dsPlay while it plays) and never cuts off another sound.
// Buffer numbers are never reused: a freed number stays unknown and every call with it does nothing.

#include "sound/dslib.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

struct Buffer {
    Mix_Chunk* chunk = nullptr;
    int channel = -1;
    bool looping = false; // the last play of this buffer was dsPlayLooping
};

int g_handle = 0;      // handle of the running library; 0 while it is not running
int g_last_handle = 0; // handles differ from one start of the library to the next
int g_next_buffer = 1; // buffer numbers count up and are never given twice
std::map<int, Buffer> g_buffers;
std::vector<bool> g_channel_taken;
DsListener g_listener = nullptr;

// A wave file larger than this is refused rather than trusted.
constexpr std::uint32_t MAX_WAVE_BYTES = 256u * 1024u * 1024u;

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The buffer behind a number, or nullptr when the library is not running or the number is unknown.
Buffer* find(int buffer) {
    if (g_handle == 0 || buffer == 0) return nullptr;
    auto it = g_buffers.find(buffer);
    return it == g_buffers.end() ? nullptr : &it->second;
}

void tell(const char* action, int buffer) {
    if (g_listener) g_listener(action, buffer);
}

int take_channel() {
    for (std::size_t i = 0; i < g_channel_taken.size(); ++i) {
        if (!g_channel_taken[i]) {
            g_channel_taken[i] = true;
            return static_cast<int>(i);
        }
    }
    g_channel_taken.push_back(true);
    const int wanted = static_cast<int>(g_channel_taken.size());
    if (Mix_AllocateChannels(-1) < wanted) Mix_AllocateChannels(wanted);
    return wanted - 1;
}

// ALSA tells every device it cannot open on stderr; the program says in its own words that it plays
// without sound, so ALSA is quiet while SDL looks for a device.
void quiet(const char*, int, const char*, int, const char*, ...) {}

bool open_audio() {
    snd_lib_error_set_handler(quiet);
    bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (opened && Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        opened = false;
    }
    snd_lib_error_set_handler(nullptr);
    return opened;
}

void release(Buffer& b) {
    Mix_HaltChannel(b.channel);
    Mix_FreeChunk(b.chunk);
    g_channel_taken[static_cast<std::size_t>(b.channel)] = false;
}

} // namespace

int dsInitialize(int /*window*/) {
    // SDL needs no window to play sound; the argument is kept for the program's call.
    if (g_handle != 0) return g_handle;
    // Ctrl+C and SIGTERM belong to the program, which ends in order on them; SDL would swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!open_audio()) return 0;
    g_channel_taken.clear();
    Mix_AllocateChannels(8);
    g_handle = ++g_last_handle;
    return g_handle;
}

void dsTerminate(int handle) {
    if (g_handle == 0 || handle != g_handle) return;
    for (auto& [number, b] : g_buffers) release(b);
    g_buffers.clear();
    g_channel_taken.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_handle = 0;
}

int dsCreateDSB(int handle, const std::uint8_t* wave, int /*flags*/) {
    // The flags (3 for effects, 1 for music) ask for nothing different here: every buffer can play
    // once or loop.
    if (g_handle == 0 || handle != g_handle || wave == nullptr) return 0;
    if (std::memcmp(wave, "RIFF", 4) != 0 || std::memcmp(wave + 8, "WAVE", 4) != 0) return 0;
    const std::uint32_t chunk_size = le32(wave + 4);
    if (chunk_size < 4 || chunk_size > MAX_WAVE_BYTES - 8) return 0;
    SDL_RWops* rw = SDL_RWFromConstMem(wave, static_cast<int>(chunk_size + 8));
    if (!rw) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1); // decodes into a chunk of its own and closes rw
    if (!chunk) return 0;
    const int number = g_next_buffer++;
    g_buffers[number] = Buffer{chunk, take_channel(), false};
    return number;
}

void dsPlay(int buffer) {
    Buffer* b = find(buffer);
    if (!b) return;
    Mix_PlayChannel(b->channel, b->chunk, 0); // halts the channel first when it is playing
    b->looping = false;
    tell("play", buffer);
}

void dsPlayLooping(int buffer) {
    Buffer* b = find(buffer);
    if (!b) return;
    // A loop already running goes on without a restart, so the music does not jump back.
    if (!(b->looping && Mix_Playing(b->channel))) Mix_PlayChannel(b->channel, b->chunk, -1);
    b->looping = true;
    tell("loop", buffer);
}

void dsStop(int buffer) {
    Buffer* b = find(buffer);
    if (!b) return;
    Mix_HaltChannel(b->channel);
    b->looping = false;
    tell("stop", buffer);
}

void dsFree(int buffer) {
    Buffer* b = find(buffer);
    if (!b) return;
    release(*b);
    g_buffers.erase(buffer);
}

void dsSetListener(DsListener listener) {
    g_listener = listener;
}
