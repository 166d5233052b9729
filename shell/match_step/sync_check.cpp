// The replay sync check: three checksums per frame, recorded live and
// compared in playback.
#include "match/bitmap_text.hpp"
#include "match/match_tables.hpp"
#include "match/records.hpp"
#include "match/shell_tables.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/match_step.hpp"

int32_t replaySyncMismatches = 0;

static void DrawSyncWarning() {
  replaySyncMismatches += 1;
  DrawTextFixed(32, 32, 255, 0, 0, u"WARNING: REPLAY OUT OF SYNC!");
}

// The sums wrap around as 32-bit integers.
static void ShipSums(int32_t& xSum, int32_t& armourSum) {
  uint32_t xs = 0, as = 0;
  TListIterator<TShip> it = ListIterate(*shipList);
  while (IteratorHasMore(it)) {
    currentShip = IteratorNext(it);
    if (!currentShip) continue;
    xs += static_cast<uint32_t>(TruncateToInt(currentShip->x));
    as += static_cast<uint32_t>(TruncateToInt(currentShip->armour));
  }
  xSum = static_cast<int32_t>(xs);
  armourSum = static_cast<int32_t>(as);
}

void ReplaySyncCheck() {
  replaySyncMismatches = 0;
  int32_t* row = replayData[matchFrame][REPLAY_MATCH_ROW];
  int32_t xSum = 0, armourSum = 0;
  if (playbackMode == 0) {
    ShipSums(xSum, armourSum);
    row[REPLAY_X_SUM] = xSum;
    row[REPLAY_ARMOUR_SUM] = armourSum;
    row[REPLAY_RANDOM_STATE] = GetRandomSeed();
    return;
  }
  if (row[REPLAY_RANDOM_STATE] != GetRandomSeed()) DrawSyncWarning();
  ShipSums(xSum, armourSum);
  if (row[REPLAY_X_SUM] != xSum) DrawSyncWarning();
  if (row[REPLAY_ARMOUR_SUM] != armourSum) DrawSyncWarning();
}
