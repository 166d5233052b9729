// Faser: Beast Bubbles wander, taking a new random heading every fourth
// frame, and grow older in three looks until they burst after 599 frames.
// Elsewhere: its tactic in AiSpecialTactics.
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {
constexpr float BUBBLE_END = 599.0f;
constexpr float FRAMES_PER_LOOK = 200.0f;
constexpr float FRAMES_PER_TURN = 4.0f;
}  // namespace

// kindState: [1] frames flown, [2] frames since the last turn.
void FaserShotKind(TShot& bubble) {
  float* ks = bubble.kindState;
  ks[1] += 1.0f;
  if (ks[1] >= BUBBLE_END) bubble.dead = 1;
  bubble.imageIndex = TruncateToInt(ks[1] / FRAMES_PER_LOOK) + 1;
  ks[2] += 1.0f;
  if (ks[2] == FRAMES_PER_TURN) {
    ks[2] = 0.0f;
    bubble.heading = static_cast<float>(RandomIntInRange(360, 1));
  }
}
