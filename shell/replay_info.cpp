#include "shell/replay_info.hpp"

#include <algorithm>

#include "match/match_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/files.hpp"

namespace {

void AppendText(std::vector<uint8_t>& bytes, const Text& text) {
  AppendInt32(bytes, static_cast<int32_t>(text.size()));
  for (char16_t c : text) bytes.push_back(static_cast<uint8_t>(c));
}

// Reads forward through the bytes; never past their end.
struct Reader {
  const uint8_t* bytes;
  size_t size;
  size_t at = 0;
  bool ok = true;

  int32_t Int() {
    if (!ok || size - at < 4) {
      ok = false;
      return 0;
    }
    const int32_t value = Int32At(bytes + at);
    at += 4;
    return value;
  }
  Text CountedText(int32_t longest) {
    const int32_t count = Int();
    if (!ok || count < 0 || static_cast<size_t>(count) > size - at) {
      ok = false;
      return Text();
    }
    // Only what the game could have written is kept; more would cost
    // drawing time on every frame it is shown.
    Text text(static_cast<size_t>(std::min(count, longest)), u'\0');
    for (size_t i = 0; i < text.size(); ++i) text[i] = bytes[at + i];
    at += static_cast<size_t>(count);
    return text;
  }
};

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

}  // namespace

std::vector<uint8_t> EncodeReplayInfo(const TReplayInfoFile& info) {
  std::vector<uint8_t> bytes;
  AppendInt32(bytes, replayInfoMagic);
  for (int32_t i = 1; i <= 5; ++i) AppendText(bytes, info.descriptionLines[i]);
  AppendText(bytes, info.startDate);
  AppendText(bytes, info.startTime);
  AppendInt32(bytes, info.lastFrame);
  AppendInt32(bytes, info.gameMode);
  AppendInt32(bytes, info.matchWinner);
  for (int32_t slot = 1; slot <= 4; ++slot)
    for (int32_t column = REPLAY_CONTROL; column <= REPLAY_START_MONEY; ++column)
      AppendInt32(bytes, info.slotSetup[slot][column]);
  return bytes;
}

bool DecodeReplayInfo(const uint8_t* bytes, size_t size, TReplayInfoFile& info) {
  Reader in{bytes, size};
  if (in.Int() != replayInfoMagic) return false;
  TReplayInfoFile read;
  for (int32_t i = 1; i <= 5; ++i) read.descriptionLines[i] = in.CountedText(maxDescriptionLength);
  read.startDate = in.CountedText(maxInfoDateLength);
  read.startTime = in.CountedText(maxInfoTimeLength);
  read.lastFrame = in.Int();
  read.gameMode = in.Int();
  read.matchWinner = in.Int();
  for (int32_t slot = 1; slot <= 4; ++slot)
    for (int32_t column = REPLAY_CONTROL; column <= REPLAY_START_MONEY; ++column)
      read.slotSetup[slot][column] = in.Int();
  if (!in.ok) return false;
  if (!InRange(read.lastFrame, 0, maxReplayFrames) ||
      !InRange(read.gameMode, MODE_CHALLENGE, MODE_MELEE) ||
      !InRange(read.matchWinner, 1, WINNER_DRAW))
    return false;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    const int32_t* setup = read.slotSetup[slot];
    if (!InRange(setup[REPLAY_CONTROL], CONTROL_DISABLED, CONTROL_COMPUTER)) return false;
    // A slot that does not take part shows none of its other values.
    if (setup[REPLAY_CONTROL] == CONTROL_DISABLED) continue;
    if (!InRange(setup[REPLAY_TEAM], 1, 4) || !InRange(setup[REPLAY_FLEET_SIZE], 1, maxFleetSize) ||
        !InRange(setup[REPLAY_FLEET_KIND], FLEET_CUSTOM, FLEET_RANDOM))
      return false;
  }
  info = read;
  return true;
}
