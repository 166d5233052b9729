// Texts of the 40 ship types (shipText): names, weapon names, the lines that
// describe the special weapon on the info panel, and the display overrides
// that replace a number there.
#include <vector>

#include "catalogue/fill.hpp"
#include "catalogue/ships.hpp"

namespace {

struct NameRow {
  int32_t type;
  const char16_t* name;
  const char16_t* nickname;
  const char16_t* primaryWeaponName;
  const char16_t* secondaryWeaponName;
};

// clang-format off
const NameRow nameRows[shipCount] = {
  { 1, u"Regal",    u"Scout",        u"Needle Lasers",     u"Small Homing Missile"},
  { 2, u"Garm",     u"Mauler",       u"Quad Beams",        u"Sticky Bolt"},
  { 3, u"Coboth",   u"Cannon King",  u"Multicannons",      u"Fore Shield"},
  { 4, u"Urbatron", u"Reaver",       u"Taurus Cannons",    u"Glowing Orb"},
  { 5, u"Nalen",    u"Battleship",   u"Fusion Javelins",   u"Spiral Bomb"},
  { 6, u"Darber",   u"Sphere",       u"Ion Cannons",       u"Xeno Bomb"},
  { 7, u"Avrax",    u"Devastator",   u"Gauss Cannons",     u"Repair Bots"},
  { 8, u"Faser",    u"Brick",        u"Twin Rockets",      u"Beast Bubbles"},
  { 9, u"Qoul",     u"Saucer",       u"Small firebolts",   u"Sonic Shield"},
  {10, u"Fedzie",   u"Wobbler",      u"Acid Clot",         u"Mini Mines"},
  {11, u"Bridew",   u"Cruiser",      u"Cubix Cannons",     u"Sabotage Troop"},
  {12, u"Erebos",   u"Star Warrior", u"Crystal Beams",     u"Spinner Beam"},
  {13, u"Grates",   u"Strafer",      u"All-way Guns",      u"Growing Sphere"},
  {14, u"Scalus",   u"Bull",         u"Venom Bolt",        u"Infernal Roar"},
  {15, u"Speth",    u"Evader",       u"Bead Gun",          u"Rear Missiles"},
  {16, u"Kalgon",   u"Spiker",       u"Nailgun",           u"Thorn Thrust"},
  {17, u"Iwor",     u"Demon",        u"Mounted Cannon",    u"Change Weapon Mode"},
  {18, u"Arubawi",  u"Revenger",     u"Neutron Cannons",   u"Hyper Jump"},
  {19, u"Pax",      u"Mystic",       u"Needler",           u"Curse enemies"},
  {20, u"Tkharzer", u"Xarquid",      u"Ion-Bolt Chaingun", u"Air Pressure Bomb"},
  {21, u"Ithus",    u"Wisp",         u"Toader Rockets",    u"Wild Balls"},
  {22, u"Sjuog",    u"Flagship",     u"Enforcer Guns",     u"Annihilator Cannon"},
  {23, u"Otros",    u"Survivor",     u"Needle Lasers",     u"Rebuild Side Plates"},
  {24, u"Dront",    u"Punisher",     u"Trigun",            u"Dumbfire Rockets"},
  {25, u"Grok",     u"Buck Shot",    u"Blaster Shotgun",   u"Rear Turrets"},
  {26, u"Temper",   u"Crystalline",  u"Ice Bolt",          u"Grow Energy Reserves"},
  {27, u"Kabata",   u"Weakener",     u"Chaos Orb",         u"Rematerialize"},
  {28, u"Fith",     u"Sniper",       u"Firebombs",         u"Flusher bombs"},
  {29, u"Serger",   u"Defender",     u"Plasma Bolts",      u"Attack Drones"},
  {30, u"Sheval",   u"Thief",        u"Atom Guns",         u"Greedy Orb"},
  {31, u"Hepron",   u"Charger",      u"Rotary Machinegun", u"Astro Drill"},
  {32, u"Urnox",    u"Revenant",     u"Sapper Bombs",      u"Indestructibility"},
  {33, u"Treek",    u"Rumbler",      u"Lasher Lasers",     u"Maxim Cannon"},
  {34, u"Wende",    u"Small one",    u"Mini Rockets",      u"Magic Bolts"},
  {35, u"Serax",    u"Merchantman",  u"Nuclear Missiles",  u"Fusion Missiles"},
  {36, u"Anatos",   u"Patrol",       u"Nab Guns",          u"Self-Destruction"},
  {37, u"Jerboafa", u"Coil",         u"Fusion Spear",      u"Pulsar Trap"},
  {38, u"Adapa",    u"Guardian",     u"Strax Blast",       u"Ultra Flash"},
  {39, u"Xiapas",   u"Vaporizer",    u"Toaster Lasers",    u"Energy Station"},
  {40, u"Birken",   u"Fury",         u"Wobbleys",          u"Hellbore Rockets"},
};
// clang-format on

struct OverrideRow {
  int32_t type;
  int32_t slot;
  const char16_t* text;
};

// Runs of spaces line up the modes of type 4's orb and type 17's two forms.
// clang-format off
const OverrideRow overrideRows[] = {
  { 4, TEXT_SECONDARY_DAMAGE,       u"1.5 / 4 (x3) / 1 (x9)"},  // Urbatron
  { 4, TEXT_SECONDARY_DAMAGE_TYPE,  u"Can / Spc    / Spc"},     // Urbatron
  { 4, TEXT_SECONDARY_RELOAD_TIME,  u"100 / 1400   / 2000"},    // Urbatron
  { 4, TEXT_SECONDARY_ENERGY_DRAIN, u"1   / 14     / 10"},      // Urbatron
  { 5, TEXT_SECONDARY_DAMAGE,       u"1.5 (x20)"},              // Nalen
  { 5, TEXT_SECONDARY_DAMAGE_TYPE,  u"Cannon"},                 // Nalen
  { 6, TEXT_SECONDARY_DAMAGE,       u"33% of armor"},           // Darber
  { 6, TEXT_SECONDARY_DAMAGE_TYPE,  u"Special"},                // Darber
  {10, TEXT_PRIMARY_DAMAGE,         u"75 per second"},          // Fedzie
  {12, TEXT_SECONDARY_DAMAGE,       u"20 per second"},          // Erebos
  {13, TEXT_SECONDARY_DAMAGE,       u"2 to 10"},                // Grates
  {13, TEXT_SECONDARY_DAMAGE_TYPE,  u"Special"},                // Grates
  {17, TEXT_MAX_SPEED,              u"70 / 30"},                // Iwor
  {17, TEXT_ACCELERATION,           u"35 / 35"},                // Iwor
  {17, TEXT_TURN_RATE,              u"50 / 20"},                // Iwor
  {17, TEXT_PRIMARY_DAMAGE,         u"0.75 (x2) / 2"},          // Iwor
  {17, TEXT_PRIMARY_DAMAGE_TYPE,    u"Cannon    / Cannon"},     // Iwor
  {17, TEXT_PRIMARY_RELOAD_TIME,    u"200       / 175"},        // Iwor
  {17, TEXT_PRIMARY_ENERGY_DRAIN,   u"2         / 5"},          // Iwor
  {19, TEXT_SECONDARY_DAMAGE,       u"8% of armor"},            // Pax
  {19, TEXT_SECONDARY_DAMAGE_TYPE,  u"Special"},                // Pax
  {21, TEXT_PRIMARY_DAMAGE,         u"1.5 (x2) and 2.5"},       // Ithus
  {23, TEXT_SECONDARY_DAMAGE,       u"-----"},                  // Otros
  {23, TEXT_SECONDARY_DAMAGE_TYPE,  u"-----"},                  // Otros
  {27, TEXT_CANNON_RESISTANCE,      u"50 or -25"},              // Kabata
  {27, TEXT_BEAM_RESISTANCE,        u"50 or -25"},              // Kabata
  {27, TEXT_MISSILE_RESISTANCE,     u"50 or -25"},              // Kabata
  {29, TEXT_SECONDARY_DAMAGE,       u"1.5 (x4)"},               // Serger
  {30, TEXT_SECONDARY_DAMAGE,       u"1 to 30"},                // Sheval
  {30, TEXT_SECONDARY_DAMAGE_TYPE,  u"Special"},                // Sheval
  {31, TEXT_SECONDARY_DAMAGE,       u"25 per second"},          // Hepron
  {36, TEXT_SECONDARY_DAMAGE,       u"100 per second"},         // Anatos
  {37, TEXT_SECONDARY_DAMAGE,       u"2 per second"},           // Jerboafa
  {39, TEXT_PRIMARY_DAMAGE,         u"6 per second (x3)"},      // Xiapas
  {39, TEXT_PRIMARY_ENERGY_DRAIN,   u"22 per second"},          // Xiapas
};
// clang-format on

struct DescriptionRow {
  int32_t type;
  std::vector<Text> lines;  // from slot 5 on; "" is a blank line
};

}  // namespace

void FillShipTexts() {
  for (const NameRow& row : nameRows) {
    shipText[row.type][TEXT_SHIP_NAME] = row.name;
    shipText[row.type][TEXT_NICKNAME] = row.nickname;
    shipText[row.type][TEXT_PRIMARY_WEAPON_NAME] = row.primaryWeaponName;
    shipText[row.type][TEXT_SECONDARY_WEAPON_NAME] = row.secondaryWeaponName;
  }
  for (const OverrideRow& row : overrideRows) {
    shipText[row.type][row.slot] = row.text;
  }

  // At most 11 lines of at most 47 characters: the info panel's plate.
  // clang-format off
  const DescriptionRow descriptionRows[shipCount] = {
      {1, {u"The regal can launch moderately powerful",  // Regal
           u"missiles with its secondary weapon. They pack",
           u"more punch than the ship's primary lasers, and",
           u"they also have a limited homing ability."}},
      {2, {u"The garm fires a sticky bolt that does no",  // Garm
           u"damage by itself, but clings to the first",
           u"enemy ship it touches and stays there until",
           u"that ship is destroyed. The bolt cracks the",
           u"hull's beam shielding: a stuck ship takes",
           u"double damage from every beam weapon, the",
           u"garm's own quad beams included. A ship can",
           u"carry only one bolt at a time."}},
      {3, {u"The coboth projects a shield in front of its",  // Coboth
           u"bow that absorbs enemy fire. The shield takes",
           u"20 points of damage before it breaks, and",
           u"beams only do half damage to it. It fades as",
           u"it weakens, and it vanishes when it breaks or",
           u"when the ship is lost."}},
      {4, {u"This ship has a huge, glowing orb attached to",  // Urbatron
           u"it. The orb can shoot just like an ordinary",
           u"weapon, but it has three different modes of",
           u"fire. The modes automatically change as time",
           u"passes, they aren't controllable by the pilot.",
           u"The current mode is indicated by the orb's",
           u"color:",
           u"",
           u"Red.....a rapid-fire vulcan cannon.",
           u"Green...powerful triple sonic waves.",
           u"Blue....starblast, shoots multiple homing shots"}},
      {5, {u"The nalen fires a slow spiral bomb that",  // Nalen
           u"bursts after about half a second into 20",
           u"fragments. The fragments spiral outwards in",
           u"a ring and deal 1.5 cannon damage each, so a",
           u"bomb that bursts right on top of an enemy",
           u"ship can hit very hard."}},
      {6, {u"The darber launches a xeno bomb that starts",  // Darber
           u"slowly but picks up speed as it flies. The",
           u"bomb eats away 33% of the armor its victim",
           u"has left, plus 1 point, and no resistance",
           u"can stop it. It is deadly against big, fresh",
           u"ships, but weaker against ships that are",
           u"already badly damaged."}},
      {7, {u"The avrax carries a crew of repair bots. Each",  // Avrax
           u"use mends 3 points of armor for 8 energy, and",
           u"the bots are ready again after 0.75 seconds.",
           u"They only work while the hull is damaged, so",
           u"no energy is wasted at full armor."}},
      {8, {u"The faser releases a pair of beast bubbles",  // Faser
           u"from its tail. The bubbles drift around at",
           u"random, changing course many times a second.",
           u"Each bubble lives for 8 seconds and deals 2.5",
           u"special damage to the first enemy it bumps",
           u"into. Lay them in the enemy's path or use",
           u"them to cover a retreat."}},
      {9, {u"The qoul sends out a sonic shield: a ring of",  // Qoul
           u"force that grows from the hull to a wide",
           u"circle in just over a second. Enemy shots",
           u"that run into it are destroyed, so a",
           u"well-timed shield can stop a whole volley.",
           u"The shield itself does no damage."}},
      {10, {u"The fedzie drops pairs of mini mines behind",  // Fedzie
           u"it. The mines stay where they are laid and",
           u"explode for 3 missile damage when an enemy",
           u"ship touches them. At most 6 mines can be out",
           u"at once: laying more removes the oldest."}},
      {11, {u"The bridew sends out a sabotage troop in a",  // Bridew
           u"small pod that homes in on the nearest enemy",
           u"and deals 5 special damage on contact. The",
           u"pod is slow, a single hit destroys it, and it",
           u"gives up after 5 seconds."}},
      {12, {u"The erebos launches a spinner that circles",  // Erebos
           u"close around the ship, linked to it by a",
           u"beam. Every enemy it touches burns at 20 beam",
           u"damage per second. The spinner lasts almost",
           u"7 seconds and needs 13 seconds to reload, so",
           u"save it for when the enemy closes in."}},
      {13, {u"The grates fires a sphere of energy whose",  // Grates
           u"size and power grow with the time since the",
           u"last shot. Fired at once it does 2 special",
           u"damage, but left to charge for about 11",
           u"seconds it reaches its full size and deals",
           u"10 damage."}},
      {14, {u"The scalus lets out an infernal roar that",  // Scalus
           u"shakes every enemy ship near it. All enemies",
           u"within a wide circle around the scalus take",
           u"10 special damage at once, whichever way it",
           u"faces. The roar needs 6 seconds and 30",
           u"energy to build up again."}},
      {15, {u"The speth fires homing missiles from its",  // Speth
           u"tail. They turn sharply towards the nearest",
           u"enemy and deal 3 missile damage, but burn out",
           u"after 2 seconds. Ideal for an evader: run",
           u"away and let the missiles deal with your",
           u"pursuers."}},
      {16, {u"The kalgon can thrust out a sharp thorn from",  // Kalgon
           u"its bow. The thorn stays out until it strikes",
           u"a ship or a shot, dealing 5 special damage to",
           u"a ship, and then draws back in. While the",
           u"thorn is out the weapon cannot be used again,",
           u"so ram your enemies to reload it."}},
      {17, {u"The iwor can change between two modes. In",  // Iwor
           u"its fast mode it flies at full speed and",
           u"fires twin cannons straight ahead. In turret",
           u"mode it slows down and turns poorly, but its",
           u"cannon swivels on its own to aim at the",
           u"nearest enemy and hits harder: 2 damage a",
           u"shot instead of 0.75. Each change costs 10",
           u"energy and takes a moment to complete."}},
      {18, {u"The arubawi can make a hyper jump out of the",  // Arubawi
           u"battle. The ship stops dead and powers up for",
           u"about 3 seconds, unable to move or fire, and",
           u"then vanishes. It is not destroyed: it goes",
           u"back to your fleet, you choose your next ship",
           u"at once, and the arubawi can be launched again",
           u"later with its armor fully repaired."}},
      {19, {u"The pax can curse its enemies. The ritual",  // Pax
           u"takes over 5 seconds, and the pax must survive",
           u"it. Then every enemy ship loses 8% of its",
           u"maximum armor, wherever it is. A curse lasts",
           u"for the rest of the match and strikes every",
           u"new ship the enemy sends in as well. A ship",
           u"can suffer up to 12 curses."}},
      {20, {u"The tkharzer fires an air pressure bomb. On",  // Tkharzer
           u"impact it bursts in a blast of air that deals",
           u"4 cannon damage and hurls the enemy ship away",
           u"at its top speed. Good for knocking enemies",
           u"off course or keeping them at a distance."}},
      {21, {u"The ithus throws two wild balls out of its",  // Ithus
           u"rear. They gather speed as they swing round",
           u"in wide arcs, one to each side, and then race",
           u"off forwards. Each ball deals 4 special",
           u"damage. Its toader rockets also fire a third,",
           u"heavier rocket from the center of the ship."}},
      {22, {u"The sjuog's annihilator cannon is the",  // Sjuog
           u"heaviest gun of all: one shot deals 20 cannon",
           u"damage. The cannon needs almost 2 seconds to",
           u"charge after the trigger is pulled, and the",
           u"shot leaves from wherever the ship is then,",
           u"so plan ahead."}},
      {23, {u"The otros is protected by two armored side",  // Otros
           u"plates that soak up enemy fire. Each plate",
           u"takes 20 points of damage before it breaks,",
           u"and beams do a quarter less damage to it.",
           u"The ship starts with both plates, and its",
           u"secondary rebuilds both of them at once."}},
      {24, {u"The dront fires a pair of dumbfire rockets",  // Dront
           u"from its wings. They fly straight and fast",
           u"and deal 3.5 missile damage each, a lot more",
           u"than the trigun, but they do not home in on",
           u"their target: aim with care."}},
      {25, {u"The grok has two small turrets on its tail.",  // Grok
           u"They fire backwards in a slight spread and",
           u"deal 1 cannon damage each. They are cheap to",
           u"use and reload quickly, which keeps pursuers",
           u"at a distance while the grok turns around."}},
      {26, {u"The temper can grow its crystal energy",  // Temper
           u"reserves. Each use raises its maximum energy",
           u"by 2 and refills it completely, but the",
           u"growth costs 2 points of armor. It does not",
           u"work with 2 armor or less, and the energy",
           u"grows up to 100 at most. The crystal hull",
           u"also heals itself: 1 armor every 4 seconds."}},
      {27, {u"The kabata can rematerialize its hull to",  // Kabata
           u"change the kind of damage it withstands. In",
           u"each mode it resists one kind of damage by",
           u"50%, but takes 25% more from the other two.",
           u"Each use moves on to the next mode. The ship",
           u"starts out in the first one, and the modes",
           u"follow each other in this order:",
           u"",
           u"Mode 1...cannon 50%, beam and missile -25%",
           u"Mode 2...beam 50%, cannon and missile -25%",
           u"Mode 3...missile 50%, cannon and beam -25%"}},
      {28, {u"The fith fires flusher bombs that drain the",  // Fith
           u"energy of the ship they hit. A hit empties",
           u"the enemy's energy completely and deals 2",
           u"special damage, leaving the victim unable to",
           u"fire until it has recharged."}},
      {29, {u"The serger launches attack drones that drift",  // Serger
           u"slowly away, weaving from side to side. Every",
           u"two thirds of a second a drone fires four",
           u"beam shots: ahead, behind and to both sides.",
           u"A drone keeps firing until it leaves the",
           u"arena or is shot down, which takes 4 points",
           u"of damage."}},
      {30, {u"The sheval's greedy orb hurts expensive",  // Sheval
           u"ships the most. Its special damage is the",
           u"square of the target's price divided by 9,",
           u"and at least 1: a ship priced 9 or less loses",
           u"1 point of armor, one priced 27 loses 9, and",
           u"the dearest ship of all loses almost 31."}},
      {31, {u"The hepron pushes out an astro drill beside",  // Hepron
           u"its nose. For over a second the spinning",
           u"drill grinds through everything it touches at",
           u"25 special damage per second. Fly close to",
           u"your enemy and keep the drill on it."}},
      {32, {u"The urnox can make itself indestructible.",  // Urnox
           u"For 6 seconds nothing can harm it: shots that",
           u"hit the glowing hull do no damage at all. The",
           u"effect costs 24 energy and needs 10 seconds",
           u"to reload."}},
      {33, {u"The treek's maxim cannon fires heavy rounds",  // Treek
           u"at a great rate: 3.5 cannon damage every 0.2",
           u"seconds. The shots scatter, and the recoil",
           u"jerks the ship's nose up to 8 degrees to",
           u"either side with every shot, so the cannon",
           u"works best at close range."}},
      {34, {u"The wende fires a pair of magic bolts that",  // Wende
           u"close in ahead of the ship and deal 1.5",
           u"special damage each. Special damage ignores",
           u"every kind of resistance, which makes the",
           u"bolts useful against heavily armored ships."}},
      {35, {u"The serax fires a pair of fusion missiles",  // Serax
           u"from its flanks, one to each side. They start",
           u"slowly but speed up quickly, and each deals 8",
           u"missile damage. Turn the ship broadside to",
           u"the enemy to bring them to bear."}},
      {36, {u"The anatos can destroy itself in a huge",  // Anatos
           u"explosion. The blast lasts about a third of a",
           u"second and burns every enemy caught in it at",
           u"100 special damage per second, up to 35",
           u"points in all. The anatos itself is lost, so",
           u"take as many enemies with you as you can."}},
      {37, {u"The jerboafa leaves a pulsar trap behind it.",  // Jerboafa
           u"The trap lasts 10 seconds and holds fast any",
           u"enemy ship that flies into it: the captive",
           u"cannot get away until the trap fades, and it",
           u"takes about 2 special damage per second.",
           u"Trapped ships make easy targets for the",
           u"jerboafa's fusion spear."}},
      {38, {u"The adapa sets off an ultra flash, a blinding",  // Adapa
           u"burst of light that fills the whole arena.",
           u"Every enemy ship takes 4 special damage,",
           u"wherever it is. Most enemy shots are wiped",
           u"out, and tougher ones such as drones and",
           u"shields lose 4 points. The flash needs 10",
           u"seconds to reload."}},
      {39, {u"The xiapas builds an energy station behind",  // Xiapas
           u"it. For 15 seconds the station recharges",
           u"every friendly ship close to it by about 19",
           u"energy per second, the xiapas included. It",
           u"costs 50 energy to build, and it can be shot",
           u"down: 10 points of damage destroy it, and",
           u"beams only do half."}},
      {40, {u"The birken's hellbore rockets are fired in",  // Birken
           u"salvos of four. The rockets leave slowly but",
           u"accelerate to great speed, and each deals 6",
           u"missile damage. The ship carries only 10",
           u"salvos, so choose your moments well."}},
  };
  // clang-format on
  for (const DescriptionRow& row : descriptionRows) {
    int32_t slot = TEXT_DESCRIPTION_FIRST;
    for (const Text& line : row.lines) {
      shipText[row.type][slot] = line;
      ++slot;
    }
  }
}
