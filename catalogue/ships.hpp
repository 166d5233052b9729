// The ship catalogue: the fixed values, texts and mount points of the 40 ship
// types. Filled once at start-up by InitShipCatalogue, read-only afterwards.
// Every table is 1-based in every dimension; index 0 and every cell the fill
// does not set hold 0 (or the empty text).
#pragma once
#include <cstdint>

#include "platform/text.hpp"

constexpr int32_t shipCount = 40, hullValueCount = 19, weaponValueCount = 33;

// The ship types by number, named after the catalogue's ship names. A type's
// number indexes shipValue, shipText and shipPoint, and its pictures and
// sounds are found by it.
constexpr int32_t SHIP_REGAL = 1;
constexpr int32_t SHIP_GARM = 2;
constexpr int32_t SHIP_COBOTH = 3;
constexpr int32_t SHIP_URBATRON = 4;
constexpr int32_t SHIP_NALEN = 5;
constexpr int32_t SHIP_DARBER = 6;
constexpr int32_t SHIP_AVRAX = 7;
constexpr int32_t SHIP_FASER = 8;
constexpr int32_t SHIP_QOUL = 9;
constexpr int32_t SHIP_FEDZIE = 10;
constexpr int32_t SHIP_BRIDEW = 11;
constexpr int32_t SHIP_EREBOS = 12;
constexpr int32_t SHIP_GRATES = 13;
constexpr int32_t SHIP_SCALUS = 14;
constexpr int32_t SHIP_SPETH = 15;
constexpr int32_t SHIP_KALGON = 16;
constexpr int32_t SHIP_IWOR = 17;
constexpr int32_t SHIP_ARUBAWI = 18;
constexpr int32_t SHIP_PAX = 19;
constexpr int32_t SHIP_TKHARZER = 20;
constexpr int32_t SHIP_ITHUS = 21;
constexpr int32_t SHIP_SJUOG = 22;
constexpr int32_t SHIP_OTROS = 23;
constexpr int32_t SHIP_DRONT = 24;
constexpr int32_t SHIP_GROK = 25;
constexpr int32_t SHIP_TEMPER = 26;
constexpr int32_t SHIP_KABATA = 27;
constexpr int32_t SHIP_FITH = 28;
constexpr int32_t SHIP_SERGER = 29;
constexpr int32_t SHIP_SHEVAL = 30;
constexpr int32_t SHIP_HEPRON = 31;
constexpr int32_t SHIP_URNOX = 32;
constexpr int32_t SHIP_TREEK = 33;
constexpr int32_t SHIP_WENDE = 34;
constexpr int32_t SHIP_SERAX = 35;
constexpr int32_t SHIP_ANATOS = 36;
constexpr int32_t SHIP_JERBOAFA = 37;
constexpr int32_t SHIP_ADAPA = 38;
constexpr int32_t SHIP_XIAPAS = 39;
constexpr int32_t SHIP_BIRKEN = 40;

// shipValue[ship type][group][column], in the catalogue's own units
// (1-100 scales, points, milliseconds, percent); a match converts its copy.
extern float shipValue[shipCount + 1][4][51];
// shipText[ship type][slot 1-32].
extern Text shipText[shipCount + 1][33];
// shipPoint[ship type][group][point 1-15][coordinate]: group 1 the engine
// points (x, y), groups 2 and 3 the muzzle points (angle, x, y). Coordinates
// 4 and 5 are never set. Ship coordinates: x to the right, y towards the rear.
extern float shipPoint[shipCount + 1][4][51][6];

// Fills the catalogue on the first call; later calls change nothing.
void InitShipCatalogue();
// Empties the catalogue and the explosion types and fills both again.
void ResetCatalogue();

// Groups of shipValue and shipPoint.
constexpr int32_t GROUP_HULL = 1;       // hull values / engine points
constexpr int32_t GROUP_PRIMARY = 2;    // primary weapon values / muzzle points
constexpr int32_t GROUP_SECONDARY = 3;  // secondary weapon values / muzzle points

// Hull columns (group 1).
constexpr int32_t HULL_MAX_SPEED = 1;              // scale 1-100
constexpr int32_t HULL_ACCELERATION = 2;           // scale 1-100
constexpr int32_t HULL_TURN_RATE = 3;              // scale 1-100
constexpr int32_t HULL_MAX_ARMOR = 4;              // armour points
constexpr int32_t HULL_START_ARMOR = 5;            // equal to the maximum
constexpr int32_t HULL_MAX_ENERGY = 6;             // energy points
constexpr int32_t HULL_START_ENERGY = 7;           // equal to the maximum
constexpr int32_t HULL_RECHARGE_TIME = 8;          // ms between recharge steps
constexpr int32_t HULL_RECHARGE_AMOUNT = 9;        // energy per recharge step
constexpr int32_t HULL_CANNON_RESISTANCE = 10;     // percent, may be negative
constexpr int32_t HULL_BEAM_RESISTANCE = 11;       // percent
constexpr int32_t HULL_MISSILE_RESISTANCE = 12;    // percent
constexpr int32_t HULL_PRICE = 13;                 // money
constexpr int32_t HULL_HAS_OWN_BEHAVIOUR = 14;     // 1: the type's special code runs
constexpr int32_t HULL_HAS_OWN_BODY_DRAWING = 15;  // 1: the type draws its own body
constexpr int32_t HULL_ENGINE_POINT_COUNT = 16;    // 1 or 2
constexpr int32_t HULL_AIM_LINE_ANGLE = 17;        // degrees from the heading
constexpr int32_t HULL_AIM_LINE_X = 18;            // ship coordinates
constexpr int32_t HULL_AIM_LINE_Y = 19;            // ship coordinates (the nose)

// Weapon columns (groups 2 and 3).
constexpr int32_t WEAPON_DAMAGE = 1;
constexpr int32_t WEAPON_DAMAGE_TYPE = 2;  // DAMAGE_TYPE_*
constexpr int32_t WEAPON_RELOAD_TIME = 3;  // ms
constexpr int32_t WEAPON_ENERGY_DRAIN = 4;
constexpr int32_t WEAPON_PROJECTILE_SPEED = 5;  // scale; 10000 = instant
constexpr int32_t WEAPON_ABILITY_MARKER = 6;  // 1: computer control leaves it to the type's tactics
constexpr int32_t WEAPON_SHOT_COUNT = 7;      // one shot per muzzle 1..n
constexpr int32_t WEAPON_HOMING_RATE = 8;     // 0: not homing
constexpr int32_t WEAPON_ANGLE_SPREAD = 9;    // degrees
constexpr int32_t WEAPON_SPEED_SPREAD = 10;
constexpr int32_t WEAPON_FIRE_MODE = 11;  // FIRE_MODE_*
constexpr int32_t WEAPON_HAS_KIND_CODE = 12;
constexpr int32_t WEAPON_NO_SHIP_HITS = 13;
constexpr int32_t WEAPON_HIDDEN = 14;
constexpr int32_t WEAPON_HIT_EXPLOSION = 15;  // explosion type, 0 none
constexpr int32_t WEAPON_HIT_SOUND = 16;      // explosion sound, 0 none
constexpr int32_t WEAPON_SPEED_CHANGE = 17;
constexpr int32_t WEAPON_SPEED_LIMIT = 18;
constexpr int32_t WEAPON_TRAIL = 19;
constexpr int32_t WEAPON_TRAIL_OFFSET_SIDE = 20;
constexpr int32_t WEAPON_TRAIL_OFFSET_BACK = 21;
constexpr int32_t WEAPON_PIERCING = 22;
constexpr int32_t WEAPON_STATIONARY = 23;
constexpr int32_t WEAPON_FADE = 24;        // percent
constexpr int32_t WEAPON_HIT_POINTS = 25;  // of a destructible shot
constexpr int32_t WEAPON_SHOT_CANNON_RESISTANCE = 26;
constexpr int32_t WEAPON_SHOT_BEAM_RESISTANCE = 27;
constexpr int32_t WEAPON_SHOT_MISSILE_RESISTANCE = 28;
constexpr int32_t WEAPON_DESTRUCTIBLE = 29;  // 1: TShotSpecial, else TShotPlain
constexpr int32_t WEAPON_FIRE_SOUND = 30;    // 0 standard, n the type's extra sound n
constexpr int32_t WEAPON_IMAGE_INDEX = 31;
constexpr int32_t WEAPON_SIZE_PERCENT = 32;  // 0: full size
constexpr int32_t WEAPON_LIFETIME = 33;      // ms; 0 unlimited

// Values of WEAPON_DAMAGE_TYPE.
constexpr int32_t DAMAGE_TYPE_CANNON = 1;
constexpr int32_t DAMAGE_TYPE_BEAM = 2;
constexpr int32_t DAMAGE_TYPE_MISSILE = 3;
constexpr int32_t DAMAGE_TYPE_SPECIAL = 4;  // no resistance applies
constexpr int32_t DAMAGE_TYPE_NONE = 5;

// Values of WEAPON_FIRE_MODE.
constexpr int32_t FIRE_MODE_GENERIC = 0;       // generic trigger and shots
constexpr int32_t FIRE_MODE_TRIGGER_ONLY = 1;  // generic trigger, the type's code makes the shots
constexpr int32_t FIRE_MODE_OWN_CODE = 2;      // the type's code does both

// Text slots of shipText.
constexpr int32_t TEXT_SHIP_NAME = 1;
constexpr int32_t TEXT_NICKNAME = 2;
constexpr int32_t TEXT_PRIMARY_WEAPON_NAME = 3;
constexpr int32_t TEXT_SECONDARY_WEAPON_NAME = 4;
constexpr int32_t TEXT_DESCRIPTION_FIRST = 5;  // special weapon description,
constexpr int32_t TEXT_DESCRIPTION_LAST = 15;  // lines 1 to 11 without gaps
// Display overrides: shown on the info panel instead of the number when not empty.
constexpr int32_t TEXT_MAX_SPEED = 16;
constexpr int32_t TEXT_ACCELERATION = 17;
constexpr int32_t TEXT_TURN_RATE = 18;
constexpr int32_t TEXT_MAX_ARMOR = 19;
constexpr int32_t TEXT_CANNON_RESISTANCE = 20;
constexpr int32_t TEXT_BEAM_RESISTANCE = 21;
constexpr int32_t TEXT_MISSILE_RESISTANCE = 22;
constexpr int32_t TEXT_MAX_ENERGY = 23;
constexpr int32_t TEXT_RECHARGE_TIME = 24;
constexpr int32_t TEXT_PRIMARY_DAMAGE = 25;
constexpr int32_t TEXT_PRIMARY_DAMAGE_TYPE = 26;
constexpr int32_t TEXT_PRIMARY_RELOAD_TIME = 27;
constexpr int32_t TEXT_PRIMARY_ENERGY_DRAIN = 28;
constexpr int32_t TEXT_SECONDARY_DAMAGE = 29;
constexpr int32_t TEXT_SECONDARY_DAMAGE_TYPE = 30;
constexpr int32_t TEXT_SECONDARY_RELOAD_TIME = 31;
constexpr int32_t TEXT_SECONDARY_ENERGY_DRAIN = 32;

// Coordinates of shipPoint.
constexpr int32_t ENGINE_X = 1;
constexpr int32_t ENGINE_Y = 2;
constexpr int32_t MUZZLE_ANGLE = 1;  // degrees from the heading, clockwise
constexpr int32_t MUZZLE_X = 2;
constexpr int32_t MUZZLE_Y = 3;
