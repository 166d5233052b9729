// The match's state tables: per slot, per team and per fleet member, shared by
// the match step, the ship-type code and the match routines. The screens set
// them up and read them back (set-up, shop, statistics), so they live here,
// below the shell. Every table is
// 1-based in every dimension unless its comment says otherwise; index 0 stays
// 0. Sizes are the element counts per dimension (indices 0 to size - 1).
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// slotTable column 1.
constexpr int32_t CONTROL_DISABLED = 0;
constexpr int32_t CONTROL_HUMAN = 1;
constexpr int32_t CONTROL_COMPUTER = 2;
// slotTable column 3.
constexpr int32_t ARENA_OUT = 0;
constexpr int32_t ARENA_CHOOSING = 1;
constexpr int32_t ARENA_FLYING = 2;
// slotTable column 5.
constexpr int32_t FLEET_CUSTOM = 1;
constexpr int32_t FLEET_RANDOM = 2;
// matchWinner when no team is left.
constexpr int32_t WINNER_DRAW = 5;
// Attacker slot of damageQueue and matchStats for damage with no player behind it.
constexpr int32_t SPECIAL_ATTACKER = 5;

constexpr int32_t maxFleetSize = 30;
// Slots and fleet members that come from match state, checked before they
// index a table.
inline bool ValidSlot(int32_t slot) { return slot >= 1 && slot <= 4; }
inline bool ValidMember(int32_t member) { return member >= 1 && member <= maxFleetSize; }
constexpr int32_t maxReplayFrames = 45000;  // highest matchFrame, last frame of replayData
constexpr int32_t matchFrameStart = 35;     // the first match frame records frame 36
constexpr int32_t replayDataMagic = 2006;   // first Int32 of a replay data file

// The arena, in pixels: x to the right, y downward.
constexpr int32_t ARENA_WIDTH = 1280;
constexpr int32_t ARENA_HEIGHT = 1024;

// slotTable columns.
constexpr int32_t SLOT_CONTROL = 1;
constexpr int32_t SLOT_TEAM = 2;
constexpr int32_t SLOT_ARENA = 3;
constexpr int32_t SLOT_TARGETABLE = 4;
constexpr int32_t SLOT_FLEET_KIND = 5;
constexpr int32_t SLOT_MELEE_CONTROL = 6;
constexpr int32_t SLOT_MELEE_TEAM = 7;

// playerInput controls.
constexpr int32_t INPUT_THRUST = 1;
constexpr int32_t INPUT_TURN_LEFT = 2;
constexpr int32_t INPUT_TURN_RIGHT = 3;
constexpr int32_t INPUT_FIRE_PRIMARY = 4;
constexpr int32_t INPUT_FIRE_SECONDARY = 5;
constexpr int32_t INPUT_SNIPING = 6;
constexpr int32_t INPUT_SNAP_HEADING = 7;

// fleetTable rows: the head row, then one cell per member 1-30.
constexpr int32_t FLEET_HEAD = 1;
constexpr int32_t FLEET_MEMBER_TYPES = 2;  // ship type of each member, 0 none
constexpr int32_t FLEET_MEMBER_STATS = 3;  // each member's row in matchStats
// fleetTable head row cells.
constexpr int32_t FLEET_CHOSEN = 0;  // the member chosen to fly next
constexpr int32_t FLEET_SIZE = 1;
constexpr int32_t FLEET_MONEY = 2;        // money left to shop with
constexpr int32_t FLEET_START_MONEY = 3;  // the melee set-up's starting money

// damageQueue columns: this frame's damage of damage type k (DAMAGE_TYPE_*,
// 1 to 4) is column k, the next frame's is column k + QUEUE_NEXT_FRAME.
constexpr int32_t QUEUE_NEXT_FRAME = 4;
constexpr int32_t QUEUE_SPECIAL_NEXT = 8;  // special damage for the next frame
constexpr int32_t QUEUE_COLUMNS = 8;

// matchStats columns; damage dealt of damage type k (1 to 4) is column k.
constexpr int32_t STAT_SHIP_TYPE = 0;
constexpr int32_t STAT_KILLS = 5;
constexpr int32_t STAT_STATUS = 6;  // 0 no ship, 1 OK, 2 DESTROYED
constexpr int32_t STAT_FRAMES_FLOWN = 7;
constexpr int32_t STAT_KILLER_SLOT = 8;
constexpr int32_t STAT_KILLER_TYPE = 9;
constexpr int32_t STATUS_OK = 1;
constexpr int32_t STATUS_DESTROYED = 2;

// [slot 1-4][column 1-7]: control, team, arena state, targetable, fleet kind,
// the melee set-up's own control and team.
extern int32_t slotTable[5][8];
// [slot][row 1-3][index 0-30]: row 1 [0] chosen member, [1] fleet size,
// [2] money left, [3] melee starting money; row 2 ship type of each member;
// row 3 each member's row in matchStats.
extern int32_t fleetTable[5][4][31];
// Each slot's working copy of its flying ship's catalogue values and points,
// converted to per-frame units ([slot][group 1-3][value], as the catalogue).
extern float slotShipValue[5][4][51];
extern float slotShipPoint[5][4][51][6];
// [slot][control 1-7]: this frame's controls, each 0 or 1.
extern int32_t playerInput[5][8];
// [target slot 1-4][attacker slot 1-5][attacker member 1-30][column 1-8]:
// columns 1-4 this frame's damage by damage type, 5-8 the next frame's.
extern float damageQueue[5][6][31][9];
// [slot 1-5][member 1-30][column 0-9].
extern float matchStats[6][31][10];
// replayData: frame 0 holds the set-up, its row 0 the seed and rows 1-4 each
// slot's set-up; column 0 of frames 1-30 the fleets' member types.
constexpr int32_t REPLAY_SETUP_FRAME = 0;
constexpr int32_t REPLAY_MATCH_ROW = 0;
constexpr int32_t REPLAY_SEED = 0;
constexpr int32_t REPLAY_CONTROL = 1;
constexpr int32_t REPLAY_TEAM = 2;
constexpr int32_t REPLAY_FLEET_SIZE = 3;
constexpr int32_t REPLAY_FLEET_KIND = 4;
constexpr int32_t REPLAY_START_MONEY = 5;
constexpr int32_t REPLAY_FLEET_MEMBER = 0;
// Row 0 of every match frame: the three checksums.
constexpr int32_t REPLAY_ARMOUR_SUM = 5;
constexpr int32_t REPLAY_RANDOM_STATE = 6;
constexpr int32_t REPLAY_X_SUM = 7;

// [frame 0-45000][row 0-4][column 0-7]: the recording of a match. Frame 0:
// the seed ([0][0][0]) and each slot's set-up (columns 1-5); frames 1-30
// column 0: the fleets; frames 36 on: human inputs (columns 1-6) and row 0
// columns 5-7 the checksums.
extern int32_t replayData[maxReplayFrames + 1][5][8];
// [slot][1-6]: x, y, velocityX, velocityY, speed, team of each slot's ship,
// taken before the ship pass. Row 0 holds the arena's centre (640, 512).
extern float shipSnapshot[5][7];
// Row 0 columns 1-4: Int(radius) per slot; rows 1-4 column 0: slots in
// drawing order, largest first; row 5: scratch of RankBySize.
extern int32_t shipSizeOrder[6][5];

// Next-ship choice.
extern int32_t launchTimer[5];
extern int32_t cpuChoiceTimer[5];
extern int32_t selectBlink[5][3];

// Computer control.
extern int32_t targetCandidates[5];
// [target slot][1-4]: aimed, on target, distance, angle off.
extern float aimResult[5][5];
extern float aimHeading;

// Per frame.
extern int32_t weaponFired[3];
extern int32_t lastHitSlot;
extern int32_t teamAlive[5];
// Rows 1-4: status effects on each slot's ship; row 5: per effect, a flag
// that spares it when the slot's ship leaves the arena.
extern int32_t slotEffectState[6][51];
constexpr int32_t EFFECT_STUCK = 1;    // stuck by a Garm's sticky bolt
constexpr int32_t EFFECT_CURSES = 3;   // curses a Pax has laid on the slot
constexpr int32_t EFFECT_TRAPPED = 4;  // held by a Jerboafa's trap
constexpr int32_t EFFECT_SPARED_ROW = 5;
constexpr int32_t EFFECT_COUNT = 50;

// Match control.
extern int32_t matchFrame;
extern int32_t matchWinner;
extern int32_t matchOverDelay;
extern int32_t matchOver;

// Match start and the next-shopper screen.
extern int32_t matchSeed;
extern Text matchDateTime[3];  // [1] date, [2] time of the match start
extern int32_t shopPlayer;     // slot whose shop turn it is; 5: none left
extern int32_t shopperChosen;
extern int32_t announceTimer;

// Every table above back to 0 (shipSnapshot row 0 to the arena's centre,
// matchDateTime to empty texts).
void ResetMatchTables();
