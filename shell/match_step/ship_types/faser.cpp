// Faser: Beast Bubbles wander, taking a new random heading every fourth
// frame, and grow older in three looks until they burst after 599 frames.
// Elsewhere: its tactic in AiSpecialTactics.
// Its cells are named in match/state_cells.hpp.
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr float BUBBLE_END = 599.0f;
constexpr float FRAMES_PER_LOOK = 200.0f;
constexpr float FRAMES_PER_TURN = 4.0f;
}  // namespace

void FaserShotKind(TShot& bubble) {
  float* ks = bubble.kindState;
  ks[FASER_SHOT_FRAMES_FLOWN] += 1.0f;
  if (ks[FASER_SHOT_FRAMES_FLOWN] >= BUBBLE_END) bubble.dead = 1;
  bubble.imageIndex = TruncateToInt(ks[FASER_SHOT_FRAMES_FLOWN] / FRAMES_PER_LOOK) + 1;
  ks[FASER_SHOT_FRAMES_SINCE_TURN] += 1.0f;
  if (ks[FASER_SHOT_FRAMES_SINCE_TURN] == FRAMES_PER_TURN) {
    ks[FASER_SHOT_FRAMES_SINCE_TURN] = 0.0f;
    bubble.heading = static_cast<float>(RandomIntInRange(360, 1));
  }
}
