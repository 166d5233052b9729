// The music library's calls as the game makes them: one looping stream at a
// time on channel 1. Stream 0 is "no stream" and every call with it does
// nothing; a file that cannot be opened gives stream 0.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

constexpr int32_t FSOUND_LOOP_NORMAL = 2;

int32_t FSOUND_SetOutput(int32_t output);
int32_t FSOUND_Init(int32_t mixRate, int32_t maxChannels, int32_t flags);
// The name as the game writes it ("data\music\menu.ogg").
int32_t FSOUND_Stream_Open(const Text& name, int32_t mode, int32_t offset, int32_t length);
int32_t FSOUND_Stream_Open(const char* name, int32_t mode, int32_t offset, int32_t length);
// Starts the stream at full loudness; returns the channel, or -1.
int32_t FSOUND_Stream_Play(int32_t channel, int32_t stream);
// 0 to 255; holds until set again.
int32_t FSOUND_SetVolume(int32_t channel, int32_t volume);
int32_t FSOUND_Stream_Stop(int32_t stream);
int32_t FSOUND_Stream_Close(int32_t stream);
void FSOUND_Close();

// The volume last set on channel 1 (0 to 255), and whether a stream plays.
int32_t MusicVolume();
bool MusicPlaying();
void ResetMusic();
