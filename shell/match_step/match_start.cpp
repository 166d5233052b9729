// The match start: the recording of a live match's set-up, or the read-back
// of a replay for playback; and the check of a replay before it is played.
#include <algorithm>
#include <cstring>
#include <vector>

#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/files.hpp"
#include "platform/random.hpp"
#include "platform/system.hpp"
#include "shell/match_step/match_step.hpp"

StreamRef replayStream;

static int32_t CellAt(const uint8_t* bytes, size_t index) { return Int32At(bytes + index * 4); }

// cells: the replayData cells from frame 0 on (five rows of eight per frame).
static bool SetupInRange(const uint8_t* cells, int32_t frames) {
  auto cell = [&](int32_t frame, int32_t row, int32_t column) {
    return CellAt(cells, (static_cast<size_t>(frame) * 5 + row) * 8 + column);
  };
  for (int32_t slot = 1; slot <= 4; ++slot) {
    const int32_t control = cell(0, slot, 1);
    const int32_t team = cell(0, slot, 2);
    const int32_t size = cell(0, slot, 3);
    if (control < CONTROL_DISABLED || control > CONTROL_COMPUTER) return false;
    if (team < 1 || team > 4) return false;
    // A slot that takes part needs a ship to launch.
    const int32_t least = control == CONTROL_DISABLED ? 0 : 1;
    if (size < least || size > maxFleetSize) return false;
    for (int32_t member = 1; member <= maxFleetSize; ++member) {
      const int32_t type = member < frames ? cell(member, slot, 0) : 0;
      if (member <= size ? (type < 1 || type > shipCount) : (type < 0 || type > shipCount))
        return false;
    }
  }
  return true;
}

bool ReplayDataBytesValid(const uint8_t* bytes, size_t size) {
  if (size < 8) return false;
  if (CellAt(bytes, 0) != replayDataMagic) return false;
  const int32_t last = CellAt(bytes, 1);
  if (last < 0 || last > maxReplayFrames) return false;
  if (size != 8 + 160 * (static_cast<size_t>(last) + 1)) return false;
  return SetupInRange(bytes + 8, last + 1);
}

bool ReplayDataFileValid(const Text& path) {
  const int32_t size = FileByteSize(path);
  if (size < 8 || size > 8 + 160 * (maxReplayFrames + 1)) return false;
  StreamRef in = OpenFileForRead(path);
  if (!in) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  const int32_t got = ReadStreamBytes(*in, bytes.data(), size);
  CloseDataStream(in);
  return got == size && ReplayDataBytesValid(bytes.data(), bytes.size());
}

static void RecordMatchSetup() {
  std::fill(&replayData[0][0][0], &replayData[0][0][0] + sizeof replayData / sizeof(int32_t), 0);
  matchSeed = SystemMilliseconds();
  SetRandomSeed(matchSeed);
  replayData[REPLAY_SETUP_FRAME][REPLAY_MATCH_ROW][REPLAY_SEED] = matchSeed;
  for (int32_t slot = 1; slot <= 4; ++slot) {
    replayData[REPLAY_SETUP_FRAME][slot][REPLAY_CONTROL] = slotTable[slot][SLOT_CONTROL];
    replayData[REPLAY_SETUP_FRAME][slot][REPLAY_TEAM] = slotTable[slot][SLOT_TEAM];
    replayData[REPLAY_SETUP_FRAME][slot][REPLAY_FLEET_SIZE] =
        fleetTable[slot][FLEET_HEAD][FLEET_SIZE];
    replayData[REPLAY_SETUP_FRAME][slot][REPLAY_FLEET_KIND] = slotTable[slot][SLOT_FLEET_KIND];
    // A challenge leaves the melee's starting money alone; it records the
    // budget its slots were given.
    replayData[REPLAY_SETUP_FRAME][slot][REPLAY_START_MONEY] =
        gameMode == MODE_CHALLENGE ? ChallengeBudget()
                                   : fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY];
  }
  for (int32_t slot = 1; slot <= 4; ++slot)
    for (int32_t member = 1; member <= maxFleetSize; ++member)
      replayData[member][slot][REPLAY_FLEET_MEMBER] = fleetTable[slot][FLEET_MEMBER_TYPES][member];
  matchDateTime[1] = DateText();
  matchDateTime[2] = TimeOfDayText();
}

// The rest of the unpacked replay after its magic. The file was checked
// before playback began; nothing is read past its end or written past the
// buffer. False, with nothing set up, when it cannot be read in full now.
// Without a stream the replay data already in memory is played.
static bool LoadReplayForPlayback() {
  if (replayStream) {
    uint8_t head[4] = {};
    int32_t last = 0;
    if (ReadStreamBytes(*replayStream, head, 4) == 4) last = CellAt(head, 0);
    if (last < 0) last = -1;
    if (last > maxReplayFrames) last = maxReplayFrames;
    const size_t cells = static_cast<size_t>(last + 1) * 5 * 8;
    std::vector<uint8_t> bytes(cells * 4);
    size_t got = 0;
    while (got < bytes.size()) {
      const int32_t chunk = static_cast<int32_t>(std::min<size_t>(bytes.size() - got, 1 << 24));
      const int32_t read = ReadStreamBytes(*replayStream, bytes.data() + got, chunk);
      if (read <= 0) break;
      got += static_cast<size_t>(read);
    }
    CloseDataStream(replayStream);
    replayStream.reset();
    RemoveFile(playbackTempPath);
    if (last < 0 || got < bytes.size()) return false;
    int32_t* data = &replayData[0][0][0];
    for (size_t i = 0; i < cells; ++i) data[i] = CellAt(bytes.data(), i);
  }
  matchSeed = replayData[REPLAY_SETUP_FRAME][REPLAY_MATCH_ROW][REPLAY_SEED];
  SetRandomSeed(matchSeed);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    slotTable[slot][SLOT_CONTROL] = replayData[REPLAY_SETUP_FRAME][slot][REPLAY_CONTROL];
    slotTable[slot][SLOT_TEAM] = replayData[REPLAY_SETUP_FRAME][slot][REPLAY_TEAM];
    fleetTable[slot][FLEET_HEAD][FLEET_SIZE] =
        replayData[REPLAY_SETUP_FRAME][slot][REPLAY_FLEET_SIZE];
  }
  for (int32_t slot = 1; slot <= 4; ++slot)
    for (int32_t member = 1; member <= maxFleetSize; ++member)
      fleetTable[slot][FLEET_MEMBER_TYPES][member] = replayData[member][slot][REPLAY_FLEET_MEMBER];
  for (int32_t slot = 1; slot <= 4; ++slot)
    slotTable[slot][SLOT_ARENA] =
        slotTable[slot][SLOT_CONTROL] != CONTROL_DISABLED ? ARENA_CHOOSING : ARENA_OUT;
  return true;
}

bool StartMatch() {
  shopPlayer = 0;
  announceTimer = 0;
  shopperChosen = 0;
  if (playbackMode == 0)
    RecordMatchSetup();
  else if (!LoadReplayForPlayback())
    return false;
  // The whole queue, special damage included: a match, and so its replay,
  // must not depend on the match before it.
  std::memset(damageQueue, 0, sizeof damageQueue);
  for (int32_t slot = 1; slot <= 4; ++slot) {
    for (int32_t member = 1; member <= maxFleetSize; ++member) {
      fleetTable[slot][FLEET_MEMBER_STATS][member] = member;
      const int32_t type = fleetTable[slot][FLEET_MEMBER_TYPES][member];
      const bool present = type >= 1;
      matchStats[slot][member][STAT_SHIP_TYPE] = present ? static_cast<float>(type) : 0.0f;
      matchStats[slot][member][STAT_STATUS] = present ? static_cast<float>(STATUS_OK) : 0.0f;
    }
  }
  for (int32_t slot = 1; slot <= 4; ++slot) launchTimer[slot] = 75;
  matchFrame = matchFrameStart;
  currentScreen = SCREEN_MATCH;
  return true;
}
