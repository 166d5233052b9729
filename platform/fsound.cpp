// The music calls the game makes, on SDL_mixer's music stream: one looping
// stream at a time, each new piece at full loudness, the volume set last
// holding. Stream 0 is no stream; every call with it does nothing.
#include "platform/fsound.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/files.hpp"
#include "platform/platform_internal.hpp"
#include "platform/sound.hpp"

namespace {

using platform_detail::LogAudioCall;

struct Stream {
  std::string path;
  bool loop = false;
  Mix_Music* music = nullptr;
};

std::map<int32_t, Stream> streams;
int32_t nextStream = 1;
int32_t playingStream = 0;
int32_t playingChannel = -1;
int32_t channelVolume = 255;

void ApplyVolume() {
  if (AudioDeviceOpen()) Mix_VolumeMusic(channelVolume * MIX_MAX_VOLUME / 255);
}

void StopPlaying() {
  if (playingStream != 0 && AudioDeviceOpen()) Mix_HaltMusic();
  playingStream = 0;
  playingChannel = -1;
}

int32_t OpenStream(const std::string& path, int32_t mode) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return 0;
  std::fclose(f);
  Stream stream;
  stream.path = path;
  stream.loop = (mode & FSOUND_LOOP_NORMAL) != 0;
  if (AudioDeviceOpen()) {
    stream.music = Mix_LoadMUS(path.c_str());
    if (!stream.music) return 0;
  }
  int32_t handle = nextStream++;
  streams[handle] = stream;
  return handle;
}

}  // namespace

int32_t FSOUND_SetOutput(int32_t output) {
  LogAudioCall("FSOUND_SetOutput " + std::to_string(output));
  OpenAudioDevice();
  return 1;
}

int32_t FSOUND_Init(int32_t mixRate, int32_t maxChannels, int32_t flags) {
  LogAudioCall("FSOUND_Init " + std::to_string(mixRate) + " " + std::to_string(maxChannels) + " " +
               std::to_string(flags));
  OpenAudioDevice();
  return 1;
}

int32_t FSOUND_Stream_Open(const Text& name, int32_t mode, int32_t offset, int32_t length) {
  std::string path = NativePath(name);
  LogAudioCall("FSOUND_Stream_Open " + path + " " + std::to_string(mode));
  OpenAudioDevice();
  return OpenStream(path, mode);
}

int32_t FSOUND_Stream_Open(const char* name, int32_t mode, int32_t offset, int32_t length) {
  return FSOUND_Stream_Open(TextFromBytes(name ? name : ""), mode, offset, length);
}

int32_t FSOUND_Stream_Play(int32_t channel, int32_t stream) {
  LogAudioCall("FSOUND_Stream_Play " + std::to_string(channel) + " " + std::to_string(stream));
  auto it = streams.find(stream);
  if (stream == 0 || it == streams.end()) return -1;
  StopPlaying();
  // A new piece starts at full loudness.
  channelVolume = 255;
  ApplyVolume();
  if (AudioDeviceOpen() && it->second.music)
    Mix_PlayMusic(it->second.music, it->second.loop ? -1 : 1);
  playingStream = stream;
  playingChannel = channel;
  return channel;
}

int32_t FSOUND_SetVolume(int32_t channel, int32_t volume) {
  LogAudioCall("FSOUND_SetVolume " + std::to_string(channel) + " " + std::to_string(volume));
  if (playingStream == 0 || channel != playingChannel) return 0;
  channelVolume = volume < 0 ? 0 : (volume > 255 ? 255 : volume);
  ApplyVolume();
  return 1;
}

int32_t FSOUND_Stream_Stop(int32_t stream) {
  LogAudioCall("FSOUND_Stream_Stop " + std::to_string(stream));
  if (stream == 0 || stream != playingStream) return 0;
  StopPlaying();
  return 1;
}

int32_t FSOUND_Stream_Close(int32_t stream) {
  LogAudioCall("FSOUND_Stream_Close " + std::to_string(stream));
  auto it = streams.find(stream);
  if (stream == 0 || it == streams.end()) return 0;
  if (stream == playingStream) StopPlaying();
  if (it->second.music) Mix_FreeMusic(it->second.music);
  streams.erase(it);
  return 1;
}

void FSOUND_Close() {
  LogAudioCall("FSOUND_Close");
  ResetMusic();
}

int32_t MusicVolume() { return channelVolume; }
bool MusicPlaying() { return playingStream != 0; }

void ResetMusic() {
  StopPlaying();
  for (auto& entry : streams)
    if (entry.second.music) Mix_FreeMusic(entry.second.music);
  streams.clear();
  nextStream = 1;
  channelVolume = 255;
}
