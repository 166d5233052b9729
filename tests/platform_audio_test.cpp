// Sound effects and the music calls through the silent, logging headless
// audio.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/files.hpp"
#include "platform/fsound.hpp"
#include "platform/headless.hpp"
#include "platform/sound.hpp"

namespace {

// A PCM WAV file of the given length.
std::vector<uint8_t> Wav(int32_t channels, int32_t rate, int32_t bits, int32_t frames,
                         int32_t format = 1) {
  std::vector<uint8_t> w;
  auto u32 = [&](uint32_t v) {
    for (int32_t i = 0; i < 4; ++i) w.push_back(uint8_t(v >> (8 * i)));
  };
  auto u16 = [&](uint32_t v) {
    w.push_back(uint8_t(v));
    w.push_back(uint8_t(v >> 8));
  };
  uint32_t block = uint32_t(channels * bits / 8);
  uint32_t dataBytes = block * uint32_t(frames);
  w.insert(w.end(), {'R', 'I', 'F', 'F'});
  u32(36 + dataBytes);
  w.insert(w.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  u32(16);
  u16(uint32_t(format));
  u16(uint32_t(channels));
  u32(uint32_t(rate));
  u32(uint32_t(rate) * block);
  u16(block);
  u16(uint32_t(bits));
  w.insert(w.end(), {'d', 'a', 't', 'a'});
  u32(dataBytes);
  w.resize(w.size() + dataBytes, 0);
  return w;
}

class PlatformAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    UseHeadlessBackend(true);
    ResetPlatformDisplay();
  }
  void TearDown() override { ResetPlatformDisplay(); }
  std::string TempFile(const char* name) {
    return ::testing::TempDir() + "qw2_" + std::to_string(::getpid()) + "_" + name;
  }
};

TEST_F(PlatformAudio, SoundsPlayOnChannelsForTheirLength) {
  static const std::vector<uint8_t> tick = Wav(1, 22050, 16, 2205);  // 100 ms
  RegisterEmbeddedFile(u"data\\sfx\\qw2tick.wav", tick.data(), tick.size());
  int32_t sound = LoadSoundFile(u"incbin::data\\sfx\\qw2tick.wav", 0);
  ASSERT_NE(sound, 0);
  // A one-shot gets a fresh channel, each time another.
  int32_t first = PlaySoundOnChannel(sound);
  int32_t second = PlaySoundOnChannel(sound);
  ASSERT_NE(first, 0);
  EXPECT_NE(first, second);
  EXPECT_TRUE(SoundChannelBusy(first));
  HeadlessAdvanceClock(99);
  EXPECT_TRUE(SoundChannelBusy(first));
  HeadlessAdvanceClock(1);
  EXPECT_FALSE(SoundChannelBusy(first));
  EXPECT_FALSE(SoundChannelBusy(second));
  // A channel of its own plays there and is returned; a stop ends it.
  int32_t channel = NewSoundChannel();
  EXPECT_EQ(PlaySoundOnChannel(sound, channel), channel);
  EXPECT_TRUE(SoundChannelBusy(channel));
  StopSoundChannel(channel);
  EXPECT_FALSE(SoundChannelBusy(channel));
  // Playing again restarts it.
  EXPECT_EQ(PlaySoundOnChannel(sound, channel), channel);
  EXPECT_TRUE(SoundChannelBusy(channel));
  // No sound: nothing plays, no channel.
  EXPECT_EQ(PlaySoundOnChannel(0), 0);
  EXPECT_FALSE(SoundChannelBusy(0));
  EXPECT_FALSE(SoundChannelBusy(9999));
  StopSoundChannel(9999);

  const std::vector<std::string> expected = {
      "LoadSoundFile incbin::data\\sfx\\qw2tick.wav 0",
      "PlaySoundOnChannel 1 0",
      "PlaySoundOnChannel 1 0",
      "NewSoundChannel",
      "PlaySoundOnChannel 1 3",
      "StopSoundChannel 3",
      "PlaySoundOnChannel 1 3",
      "PlaySoundOnChannel 0 0",
      "StopSoundChannel 9999",
  };
  EXPECT_EQ(AudioCallLog(), expected);
}

TEST_F(PlatformAudio, OnlyPcmWavFilesLoad) {
  static const std::vector<uint8_t> stereo8 = Wav(2, 11025, 8, 100);
  static const std::vector<uint8_t> floats = Wav(1, 22050, 32, 100, 3);
  static const std::vector<uint8_t> junk = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '};
  RegisterEmbeddedFile(u"qw2a.wav", stereo8.data(), stereo8.size());
  RegisterEmbeddedFile(u"qw2b.wav", floats.data(), floats.size());
  RegisterEmbeddedFile(u"qw2c.wav", junk.data(), junk.size());
  EXPECT_NE(LoadSoundFile(u"incbin::qw2a.wav"), 0);
  EXPECT_EQ(LoadSoundFile(u"incbin::qw2b.wav"), 0);
  EXPECT_EQ(LoadSoundFile(u"incbin::qw2c.wav"), 0);
  EXPECT_EQ(LoadSoundFile(u"incbin::missing.wav"), 0);
  EXPECT_EQ(LoadSoundFile(u"no\\such\\file.wav"), 0);
}

TEST_F(PlatformAudio, MusicRules) {
  std::string menu = TempFile("menu.ogg"), shop = TempFile("shop.ogg");
  for (const std::string& path : {menu, shop}) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("OggS", f);
    std::fclose(f);
  }
  EXPECT_EQ(FSOUND_SetOutput(2), 1);
  EXPECT_EQ(FSOUND_Init(22100, 128, 0), 1);
  // A file that cannot be opened gives stream 0, and every call with it does nothing.
  int32_t none = FSOUND_Stream_Open(u"data\\music\\nothere.ogg", 2, 0, 0);
  EXPECT_EQ(none, 0);
  EXPECT_EQ(FSOUND_Stream_Play(1, none), -1);
  EXPECT_EQ(FSOUND_Stream_Stop(none), 0);
  EXPECT_EQ(FSOUND_Stream_Close(none), 0);
  EXPECT_FALSE(MusicPlaying());

  int32_t a = FSOUND_Stream_Open(TextFromBytes(menu), FSOUND_LOOP_NORMAL, 0, 0);
  ASSERT_NE(a, 0);
  EXPECT_EQ(FSOUND_Stream_Play(1, a), 1);
  EXPECT_TRUE(MusicPlaying());
  EXPECT_EQ(MusicVolume(), 255);
  // A fade: the volume set last holds.
  for (int32_t v = 242; v >= 0; v -= 13) FSOUND_SetVolume(1, v);
  FSOUND_SetVolume(1, 0);
  EXPECT_EQ(MusicVolume(), 0);
  FSOUND_SetVolume(1, 300);
  EXPECT_EQ(MusicVolume(), 255);
  FSOUND_SetVolume(1, 0);
  // The next piece starts at full loudness.
  FSOUND_Stream_Stop(a);
  FSOUND_Stream_Close(a);
  EXPECT_FALSE(MusicPlaying());
  int32_t b = FSOUND_Stream_Open(TextFromBytes(shop), FSOUND_LOOP_NORMAL, 0, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(b, a);
  FSOUND_Stream_Play(1, b);
  EXPECT_EQ(MusicVolume(), 255);
  // One stream at a time: starting another stops the first.
  int32_t c = FSOUND_Stream_Open(TextFromBytes(menu), FSOUND_LOOP_NORMAL, 0, 0);
  FSOUND_Stream_Play(1, c);
  EXPECT_EQ(FSOUND_Stream_Stop(b), 0);
  EXPECT_EQ(FSOUND_Stream_Stop(c), 1);
  FSOUND_Close();
  EXPECT_FALSE(MusicPlaying());
  std::remove(menu.c_str());
  std::remove(shop.c_str());

  const std::vector<std::string>& log = AudioCallLog();
  ASSERT_GE(log.size(), 6u);
  EXPECT_EQ(log[0], "FSOUND_SetOutput 2");
  EXPECT_EQ(log[1], "FSOUND_Init 22100 128 0");
  EXPECT_EQ(log[2], "FSOUND_Stream_Open data/music/nothere.ogg 2");
  EXPECT_EQ(log[3], "FSOUND_Stream_Play 1 0");
  EXPECT_EQ(log[6], "FSOUND_Stream_Open " + menu + " 2");
  EXPECT_EQ(log[7], "FSOUND_Stream_Play 1 1");
  EXPECT_EQ(log[8], "FSOUND_SetVolume 1 242");
  EXPECT_EQ(log.back(), "FSOUND_Close");
}

// What the program writes to standard error while the action runs.
std::string StandardErrorOf(void (*action)()) {
  std::fflush(stderr);
  std::FILE* capture = std::tmpfile();
  if (!capture) return "(no capture)";
  const int32_t saved = ::dup(2);
  ::dup2(::fileno(capture), 2);
  action();
  std::fflush(stderr);
  ::dup2(saved, 2);
  ::close(saved);
  std::string text;
  std::rewind(capture);
  for (int c; (c = std::fgetc(capture)) != EOF;) text += char(c);
  std::fclose(capture);
  return text;
}

// A machine without a sound device: the game's audio start (the device, the
// menu tick, the music library, a piece of music) says in one line that it
// runs silently, and the system's audio library prints none of its own
// errors. The audio library is given a configuration with no device at all,
// whatever this machine has.
TEST_F(PlatformAudio, NoSoundDeviceStartsQuietlyWithOneLine) {
  static const std::vector<uint8_t> tick = Wav(1, 22050, 16, 2205);
  RegisterEmbeddedFile(u"data\\sfx\\qw2quiet.wav", tick.data(), tick.size());
  const std::string config = TempFile("no_devices.conf");
  std::fclose(std::fopen(config.c_str(), "wb"));
  ::setenv("SDL_AUDIODRIVER", "alsa", 1);
  ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
  UseHeadlessBackend(false);
  const std::string said = StandardErrorOf([] {
    FSOUND_SetOutput(2);
    const int32_t sound = LoadSoundFile(u"incbin::data\\sfx\\qw2quiet.wav");
    EXPECT_NE(sound, 0);
    EXPECT_NE(PlaySoundOnChannel(sound), 0);
    FSOUND_Init(22100, 128, 0);
    FSOUND_Stream_Open(u"data\\music\\menu.ogg", FSOUND_LOOP_NORMAL, 0, 0);
  });
  EXPECT_FALSE(AudioDeviceOpen());
  UseHeadlessBackend(true);
  ::unsetenv("SDL_AUDIODRIVER");
  ::unsetenv("ALSA_CONFIG_PATH");
  std::remove(config.c_str());
  EXPECT_EQ(said, "Quorvex Wexlor 2 runs without sound (no sound device).\n");
}

}  // namespace
