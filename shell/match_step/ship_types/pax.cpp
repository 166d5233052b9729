// Pax: Curse enemies. The ship glows up, holds and glows down for 398
// frames, then casts a curse that stays to the end of the match and takes
// 8 % of the maximum armour of every enemy ship present and of every later
// ship of those slots, up to 12 curses on a ship.
// Elsewhere: its tactic in AiSpecialTactics; the glow in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

constexpr int32_t CURSE_LIMIT = 12;  // curses of a slot, and curses on a ship
constexpr float CURSE_SHARE = 0.08f;
// The cast's phases (PAX_PHASE).
constexpr float IDLE = 0.0f;
constexpr float RISING = 1.0f;
constexpr float HOLDING = 2.0f;
constexpr float FALLING = 3.0f;
constexpr float RISE_TOP = 50.0f;
constexpr float HOLD_FRAMES = 300.0f;
// Out of sight and out of reach, where it never moves.
constexpr float CURSE_PLACE = -200.0f;

void CastCurse(const TShip& ship) {
  Ref<TShotPlain> curse = NewSubMunition();
  curse->x = CURSE_PLACE;
  curse->y = CURSE_PLACE;
  curse->team = ship.team;
  curse->slot = ship.slot;
  curse->shipType = ship.shipType;
  curse->memberIndex = ship.memberIndex;
  curse->weapon = 2;
  curse->hidden = 1;
  curse->hasKindCode = 1;
  PlayExtraSound(ship.shipType, 1);
}

}  // namespace

void PaxSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  int32_t curses = 0;
  WalkShots([&](TShot& shot) {
    if (shot.slot == ship.slot && shot.shipType == SHIP_PAX && shot.weapon == 2) ++curses;
  });
  if (curses >= CURSE_LIMIT) ship.reloadCounters[2] = 0;
  if (weaponFired[2] == 1) ss[PAX_PHASE] = RISING;

  // A phase entered takes its first step in the same frame.
  if (ss[PAX_PHASE] == RISING) {
    ss[PAX_GLOW] += 1.0f;
    if (ss[PAX_GLOW] >= RISE_TOP) ss[PAX_PHASE] = HOLDING;
  }
  if (ss[PAX_PHASE] == HOLDING) {
    ss[PAX_FRAMES_HELD] += 1.0f;
    if (ss[PAX_FRAMES_HELD] >= HOLD_FRAMES) {
      ss[PAX_PHASE] = FALLING;
      ss[PAX_FRAMES_HELD] = 0.0f;
    }
  }
  if (ss[PAX_PHASE] == FALLING) {
    ss[PAX_GLOW] -= 1.0f;
    if (ss[PAX_GLOW] <= 0.0f) {
      ss[PAX_PHASE] = IDLE;
      CastCurse(ship);
    }
  }
}

void PaxShotKind(TShot& curse) {
  float* cursed = curse.kindState;
  curse.keepOnClear = 1;
  // A slot choosing its next ship gets that ship cursed anew.
  for (int32_t s = 1; s <= 4; ++s)
    if (slotTable[s][SLOT_ARENA] == ARENA_CHOOSING) cursed[s] = 0.0f;
  WalkShips([&](TShip& ship) {
    const int32_t s = ship.slot;
    if (ship.team == curse.team || !ValidSlot(s)) return;
    if (cursed[s] != 0.0f || slotEffectState[s][EFFECT_CURSES] >= CURSE_LIMIT) return;
    // The share is formed in double precision; the queue rounds the sum.
    QueueSpecialDamage(
        s, curse, static_cast<double>(CURSE_SHARE) * slotShipValue[s][GROUP_HULL][HULL_MAX_ARMOR]);
    cursed[s] = 1.0f;
    slotEffectState[s][EFFECT_CURSES] += 1;
  });
}
