// Sound effects on SDL_mixer. Without an audio device (or headless) every
// call still works silently: channels count as busy for the sound's length
// on the layer's clock.
#include "platform/sound.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/files.hpp"
#include "platform/fsound.hpp"
#include "platform/platform_internal.hpp"
#include "platform/system.hpp"
#include "platform/timing.hpp"

namespace platform_detail {
namespace {

constexpr int32_t kMixChannels = 128;

struct Sound {
  Mix_Chunk* chunk = nullptr;
  int64_t durationMicros = 0;
};

struct Channel {
  int32_t mixChannel = -1;
  int32_t sound = 0;
  int64_t start = 0;
  int64_t duration = 0;
  bool stopped = true;
  bool oneShot = false;
};

bool deviceTried = false;
bool deviceOpen = false;
bool exitStepAdded = false;
std::map<int32_t, Sound> sounds;
std::map<int32_t, Channel> channels;
std::deque<int32_t> oneShots;
std::vector<int32_t> mixOwner(kMixChannels, 0);
int32_t nextSound = 1;
int32_t nextChannel = 1;

uint32_t Le32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

// A PCM WAV file: its length in microseconds, or -1 when it is not one.
int64_t WavDuration(const uint8_t* data, size_t size) {
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return -1;
  size_t at = 12;
  uint32_t rate = 0, blockAlign = 0;
  bool haveFormat = false;
  while (at + 8 <= size) {
    uint32_t length = Le32(data + at + 4);
    const uint8_t* body = data + at + 8;
    size_t available = size - at - 8;
    if (std::memcmp(data + at, "fmt ", 4) == 0) {
      if (length < 16 || available < 16) return -1;
      uint16_t format = Le16(body), channelCount = Le16(body + 2), bits = Le16(body + 14);
      rate = Le32(body + 4);
      blockAlign = Le16(body + 12);
      if (format != 1 || channelCount < 1 || channelCount > 2 || (bits != 8 && bits != 16) ||
          rate == 0 || blockAlign == 0)
        return -1;
      haveFormat = true;
    } else if (std::memcmp(data + at, "data", 4) == 0) {
      if (!haveFormat) return -1;
      uint64_t bytes = std::min<uint64_t>(length, available);
      return int64_t(bytes / blockAlign * 1000000 / rate);
    }
    at += 8 + size_t(length) + (length & 1);
  }
  return -1;
}

bool ChannelBusy(const Channel& c) {
  if (c.stopped || c.sound == 0) return false;
  if (deviceOpen && c.mixChannel >= 0) return Mix_Playing(c.mixChannel) != 0;
  return PlatformMicroseconds() < c.start + c.duration;
}

void Log(const std::string& line) { LogAudioCall(line); }

// The one line a player sees when the game goes on silently.
void RunsWithoutSound(const std::string& why) {
  std::fprintf(stderr, "Quorvex Wexlor 2 runs without sound (%s).\n", why.c_str());
}

}  // namespace

void ResetSoundChannels() {
  if (deviceOpen) Mix_HaltChannel(-1);
  channels.clear();
  oneShots.clear();
  std::fill(mixOwner.begin(), mixOwner.end(), 0);
  nextChannel = 1;
}

}  // namespace platform_detail

using namespace platform_detail;

void OpenAudioDevice() {
  if (deviceTried || Headless()) return;
  deviceTried = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    RunsWithoutSound("no sound device");
    return;
  }
  // Asked to open a device that is not there, the system's audio library
  // prints a screenful of its own errors; with no output device listed it is
  // not asked. (Drivers that cannot list devices count one.)
  if (SDL_GetNumAudioDevices(0) == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    RunsWithoutSound("no sound device");
    return;
  }
  Mix_Init(MIX_INIT_OGG);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::string why = std::string("the sound device could not be opened: ") + Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    RunsWithoutSound(why);
    return;
  }
  Mix_AllocateChannels(kMixChannels);
  deviceOpen = true;
  if (!exitStepAdded) {
    exitStepAdded = true;
    AddExitStep([] { CloseAudioDevice(); });
  }
}

void CloseAudioDevice() {
  if (deviceOpen) {
    ResetMusic();
    ResetSoundChannels();
    for (auto& entry : sounds) {
      if (entry.second.chunk) Mix_FreeChunk(entry.second.chunk);
      entry.second.chunk = nullptr;
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  deviceOpen = false;
  deviceTried = false;
}

bool AudioDeviceOpen() { return deviceOpen; }

int32_t LoadSoundFile(const Text& url, int32_t flags) {
  Log("LoadSoundFile " + TextToBytes(url) + " " + std::to_string(flags));
  OpenAudioDevice();
  std::vector<uint8_t> bytes;
  const uint8_t* data = nullptr;
  size_t size = 0;
  if (!ReadWholeUrl(url, bytes, data, size)) return 0;
  int64_t duration = WavDuration(data, size);
  if (duration < 0) return 0;
  Sound sound;
  sound.durationMicros = duration;
  if (deviceOpen) {
    sound.chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(data, int(size)), 1);
    if (!sound.chunk) return 0;
  }
  int32_t handle = nextSound++;
  sounds[handle] = sound;
  return handle;
}

int32_t NewSoundChannel() {
  Log("NewSoundChannel");
  int32_t handle = nextChannel++;
  channels[handle] = Channel{};
  return handle;
}

int32_t PlaySoundOnChannel(int32_t sound, int32_t channel) {
  Log("PlaySoundOnChannel " + std::to_string(sound) + " " + std::to_string(channel));
  auto s = sounds.find(sound);
  if (s == sounds.end()) return 0;
  auto c = channels.find(channel);
  if (channel == 0 || c == channels.end()) {
    // Forget one-shot channels that have finished.
    while (!oneShots.empty()) {
      auto old = channels.find(oneShots.front());
      if (old != channels.end() && ChannelBusy(old->second)) break;
      if (old != channels.end()) {
        if (old->second.mixChannel >= 0 && mixOwner[size_t(old->second.mixChannel)] == old->first)
          mixOwner[size_t(old->second.mixChannel)] = 0;
        channels.erase(old);
      }
      oneShots.pop_front();
    }
    channel = nextChannel++;
    Channel fresh;
    fresh.oneShot = true;
    c = channels.emplace(channel, fresh).first;
    oneShots.push_back(channel);
  }
  Channel& ch = c->second;
  if (deviceOpen && ch.mixChannel >= 0 && mixOwner[size_t(ch.mixChannel)] == channel) {
    Mix_HaltChannel(ch.mixChannel);
    mixOwner[size_t(ch.mixChannel)] = 0;
  }
  ch.sound = sound;
  ch.start = PlatformMicroseconds();
  ch.duration = s->second.durationMicros;
  ch.stopped = false;
  ch.mixChannel = -1;
  if (deviceOpen && s->second.chunk) {
    int32_t m = Mix_PlayChannel(-1, s->second.chunk, 0);
    if (m >= 0 && m < kMixChannels) {
      mixOwner[size_t(m)] = channel;
      ch.mixChannel = m;
    } else {
      ch.stopped = true;  // every mixing channel busy: the sound is dropped
    }
  }
  return channel;
}

void StopSoundChannel(int32_t channel) {
  Log("StopSoundChannel " + std::to_string(channel));
  auto c = channels.find(channel);
  if (c == channels.end()) return;
  Channel& ch = c->second;
  if (deviceOpen && ch.mixChannel >= 0 && mixOwner[size_t(ch.mixChannel)] == channel) {
    Mix_HaltChannel(ch.mixChannel);
    mixOwner[size_t(ch.mixChannel)] = 0;
  }
  ch.mixChannel = -1;
  ch.stopped = true;
}

bool SoundChannelBusy(int32_t channel) {
  auto c = channels.find(channel);
  if (c == channels.end()) return false;
  Channel& ch = c->second;
  if (deviceOpen && ch.mixChannel >= 0 && mixOwner[size_t(ch.mixChannel)] != channel) return false;
  return ChannelBusy(ch);
}

void ResetSound() {
  ResetMusic();
  ResetSoundChannels();
  for (auto& entry : sounds)
    if (entry.second.chunk) Mix_FreeChunk(entry.second.chunk);
  sounds.clear();
  nextSound = 1;
}
