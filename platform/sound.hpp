// Sound effects: loaded sounds played on channels.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// A mono PCM WAV file or "incbin::" name; 0 when it cannot be loaded.
int32_t LoadSoundFile(const Text& url, int32_t flags = 0);
int32_t NewSoundChannel();
// Plays on the channel (0: a fresh channel for a one-shot) and returns the
// channel that plays, 0 when the sound is 0.
int32_t PlaySoundOnChannel(int32_t sound, int32_t channel = 0);
void StopSoundChannel(int32_t channel);
// False after a stop and once the sound has ended.
bool SoundChannelBusy(int32_t channel);

// Opens the audio device (the start-up window plays the menu tick). Without
// a device every call still works and logs, silently. Called by the sound
// calls themselves when needed.
void OpenAudioDevice();
void CloseAudioDevice();
bool AudioDeviceOpen();
// Frees sounds and channels and forgets the log (tests).
void ResetSound();
