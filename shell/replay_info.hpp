// The information file of a saved replay (".inr"): its five description
// lines, when it was played, how long, the mode, the winner and the set-up
// of the four slots.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/text.hpp"

constexpr int32_t replayInfoMagic = 101;
// Larger than any information file the game writes by far; a larger file is
// damaged and is not read.
constexpr int32_t maxReplayInfoSize = 65536;
// The longest texts the game writes there: a description line as the save
// dialog takes it, the date as "%d %b %Y" and the time as "%H:%M:%S" give
// them. Longer texts are cut to these when read.
constexpr int32_t maxDescriptionLength = 55;
constexpr int32_t maxInfoDateLength = 11;
constexpr int32_t maxInfoTimeLength = 8;

struct TReplayInfoFile {
  Text descriptionLines[6];  // [1..5]
  Text startDate;
  Text startTime;
  int32_t lastFrame = 0;
  int32_t gameMode = 0;
  int32_t matchWinner = 0;
  // [slot 1-4][REPLAY_CONTROL .. REPLAY_START_MONEY], as frame 0 of replayData.
  int32_t slotSetup[5][6] = {};
};

// The file's bytes: 101, the seven counted texts, the last frame, the mode,
// the winner, then five numbers per slot.
std::vector<uint8_t> EncodeReplayInfo(const TReplayInfoFile& info);
// False when the bytes do not begin with 101, end before the last number, or
// hold a value the game cannot show (mode, winner, last frame, or the
// control, team, fleet size or fleet kind of a slot that takes part). Texts
// longer than the game writes are cut.
bool DecodeReplayInfo(const uint8_t* bytes, size_t size, TReplayInfoFile& info);
