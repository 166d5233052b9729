// Kabata: Rematerialize turns the hull's strength to cannon, beam or missile
// in turn; the Chaos Orb weakens the ship it strikes for the rest of its
// life.
// Elsewhere: its tactic in AiSpecialTactics; its body in DrawOwnLook (match/renderers.cpp).
// Its cells are named in match/state_cells.hpp.
#include "catalogue/ships.hpp"
#include "match/match_tables.hpp"
#include "match/state_cells.hpp"
#include "platform/maths.hpp"
#include "shell/match_step/ship_types/helpers.hpp"
#include "shell/match_step/ship_types/type_code.hpp"

namespace {

// Resistances (fractions) of each mode, the mode's own one strong.
struct Preset {
  float cannon, beam, missile;
};
constexpr Preset presets[3] = {
    {0.5f, -0.25f, -0.25f},
    {-0.25f, 0.5f, -0.25f},
    {-0.25f, -0.25f, 0.5f},
};
constexpr float LAST_MODE = 2.0f;
constexpr float CHANGE_FRAMES = 15.0f;

// The orb's weakening of the struck slot's working values.
constexpr float WEAKER = 0.88f;
constexpr float SLOWER = 1.12f;
constexpr float SPIN_STEP = 0.25f;
constexpr float SPIN_END = 2.0f;
constexpr float STRIKE_EXPLOSION_SIZE = 100.0f;

void Weaken(int32_t slot) {
  float* hull = slotShipValue[slot][GROUP_HULL];
  hull[HULL_MAX_SPEED] *= WEAKER;
  hull[HULL_ACCELERATION] *= WEAKER;
  hull[HULL_TURN_RATE] *= WEAKER;
  hull[HULL_RECHARGE_TIME] *= SLOWER;
  for (int32_t group : {GROUP_PRIMARY, GROUP_SECONDARY}) {
    slotShipValue[slot][group][WEAPON_DAMAGE] *= WEAKER;
    slotShipValue[slot][group][WEAPON_RELOAD_TIME] *= SLOWER;
  }
}

}  // namespace

void KabataSpecialWeapon(TShip& ship) {
  float* ss = ship.specialState;
  if (ss[KABATA_STARTED] == 0.0f) {
    ss[KABATA_STARTED] = 1.0f;
    ss[KABATA_CHANGE_ANIMATION] = CHANGE_FRAMES;
  }
  if (weaponFired[2] == 1 && ValidSlot(ship.slot)) {
    ss[KABATA_MODE] += 1.0f;
    if (ss[KABATA_MODE] > LAST_MODE) ss[KABATA_MODE] = 0.0f;
    ss[KABATA_CHANGE_ANIMATION] = 0.0f;
    const Preset& preset = presets[TruncateToInt(ss[KABATA_MODE])];
    float* hull = slotShipValue[ship.slot][GROUP_HULL];
    hull[HULL_CANNON_RESISTANCE] = preset.cannon;
    hull[HULL_BEAM_RESISTANCE] = preset.beam;
    hull[HULL_MISSILE_RESISTANCE] = preset.missile;
  }
  if (ss[KABATA_CHANGE_ANIMATION] < CHANGE_FRAMES) ss[KABATA_CHANGE_ANIMATION] += 1.0f;
}

void KabataShotKind(TShot& orb) {
  float* ks = orb.kindState;
  ks[KABATA_SHOT_SPIN] += SPIN_STEP;
  if (ks[KABATA_SHOT_SPIN] > SPIN_END) ks[KABATA_SHOT_SPIN] = 0.0f;
  orb.imageIndex = TruncateToInt(ks[KABATA_SHOT_SPIN] + 0.5) + 1;
  if (Ref<TShip> ship = FirstEnemyShipTouched(orb)) {
    QueueSpecialDamage(ship->slot, orb, orb.damage);
    if (ValidSlot(ship->slot)) Weaken(ship->slot);
    orb.dead = 1;
    ShotHitExplosion(orb, orb.heading, STRIKE_EXPLOSION_SIZE);
  }
  if (Ref<TShot> struck = FirstEnemyShotTouched(orb)) {
    DamageShotWithResistance(*struck, orb);
    orb.dead = 1;
    ShotHitExplosion(orb, orb.heading, 0.0f);
  }
}
