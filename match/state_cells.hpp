// The cells of a ship's specialState and of a shot's kindState (six reals
// each, 0 at spawn or creation), by ship type in the order of the type
// constants. Each type's special weapon and shot kind give them their own
// meaning; the renderers and the computer tactics read some of them.
//
// A ship's cell is named TYPE_WHAT and a cell of the type's shots
// TYPE_SHOT_WHAT; where the type's shots of different kinds use the cells
// differently, TYPE_SHOT_KIND_WHAT. A type not listed keeps no state in them.
#pragma once
#include <cstdint>

// Garm, the Sticky Bolt's kindState.
constexpr int32_t GARM_SHOT_STUCK_SLOT = 1;   // the slot stuck to, 0 while flying
constexpr int32_t GARM_SHOT_SHIPS_FOUND = 2;  // ships of that slot found this frame

// Coboth. The shield sets the ship's cells again in every shot pass.
constexpr int32_t COBOTH_SHIELD_UP = 0;    // 1 while a shield is up
constexpr int32_t COBOTH_SHIELD_FADE = 4;  // the shield's fade, for the drawing
// The Fore Shield's kindState.
constexpr int32_t COBOTH_SHOT_SHIP_FOUND = 1;  // 1 when the shield found its ship this frame

// Urbatron.
constexpr int32_t URBATRON_MODE = 1;              // the Glowing Orb's mode, 0 to 2
constexpr int32_t URBATRON_FRAMES_IN_MODE = 2;    // frames in the mode
constexpr int32_t URBATRON_VALUES_DUE = 3;        // 1 when the mode's values are due
constexpr int32_t URBATRON_CHANGE_ANIMATION = 4;  // the change animation, 1 to 17

// Nalen, the Spiral Bomb's and its fragments' kindState.
constexpr int32_t NALEN_SHOT_FRAMES_FLOWN = 1;  // bursting at 40, a fragment ending at 50
constexpr int32_t NALEN_SHOT_FRAGMENT = 2;      // 0 for the bomb, 1 for a fragment

// Avrax.
constexpr int32_t AVRAX_REPAIR_ANIMATION = 1;  // the repair bots' animation counter
constexpr int32_t AVRAX_REPAIRING = 2;         // 1 while the animation runs

// Faser, a Beast Bubble's kindState.
constexpr int32_t FASER_SHOT_FRAMES_FLOWN = 1;       // the bubble bursts at 599
constexpr int32_t FASER_SHOT_FRAMES_SINCE_TURN = 2;  // a new heading every fourth frame

// Qoul. The shield sets the ship's cells again in every shot pass.
constexpr int32_t QOUL_SHIELD_UP = 0;    // 1 while a shield is up
constexpr int32_t QOUL_SHIELD_SIZE = 4;  // its size in percent, for the drawing

// Fedzie.
constexpr int32_t FEDZIE_LAST_MINE = 1;  // the number of the last mine laid
// A Mini Mine's kindState.
constexpr int32_t FEDZIE_SHOT_MINE_NUMBER = 1;  // 0 until the ship has counted it

// Bridew, the Sabotage Troop's kindState.
constexpr int32_t BRIDEW_SHOT_FRAMES_FLOWN = 5;  // the troop gives up at 500

// Erebos. The spinner sets the ship's cells again in every shot pass, for
// the drawing.
constexpr int32_t EREBOS_SPINNER_OUT = 0;      // 1 while a spinner is out
constexpr int32_t EREBOS_SPINNER_X = 1;        // the spinner's x
constexpr int32_t EREBOS_SPINNER_Y = 2;        // its y
constexpr int32_t EREBOS_SPINNER_HEADING = 3;  // its heading
// The Spinner Beam's kindState.
constexpr int32_t EREBOS_SHOT_FRAMES_OUT = 1;  // the spinner ends at 500

// Grates.
constexpr int32_t GRATES_CHARGE = 1;  // 20 to 100 percent
// A Growing Sphere's kindState.
constexpr int32_t GRATES_SHOT_SIZED = 1;  // 1 once sized by the charge

// Scalus.
constexpr int32_t SCALUS_RING_SHOWN = 1;  // 1 while the ring is drawn
constexpr int32_t SCALUS_RING_SIZE = 2;   // 30 to 100
// The Infernal Roar's kindState.
constexpr int32_t SCALUS_SHOT_SIZED = 1;  // 1 once given its reach

// Kalgon.
constexpr int32_t KALGON_THORN_OUT = 1;  // 1 while the thorn is out
constexpr int32_t KALGON_SPARE = 2;      // set by nothing; cleared when the thorn goes back

// Iwor.
constexpr int32_t IWOR_MODE = 1;            // 0 fast, 1 turret
constexpr int32_t IWOR_BODY_FRAME = 2;      // the body's animation frame, 1 folded to 7 open
constexpr int32_t IWOR_CHANGE = 3;          // 1 while the body opens, 2 while it folds
constexpr int32_t IWOR_TURRET_HEADING = 4;  // the ship's heading in the fast mode

// Arubawi.
constexpr int32_t ARUBAWI_JUMPING = 1;         // 1 while jumping
constexpr int32_t ARUBAWI_FRAMES_JUMPED = 2;   // frames of the jump
constexpr int32_t ARUBAWI_JUMP_ANIMATION = 3;  // the jump's animation frame
constexpr int32_t ARUBAWI_FRAMES_FLOWN = 5;    // up to 200: the computer's readiness

// Pax. A curse's kindState is indexed by slot: cells 1 to 4, each 1 once
// that slot's present ship is cursed.
constexpr int32_t PAX_PHASE = 1;        // the cast's phase
constexpr int32_t PAX_GLOW = 2;         // rising to 50 and falling back
constexpr int32_t PAX_FRAMES_HELD = 3;  // frames the glow is held at its top

// Tkharzer, the Air Pressure Bomb's kindState.
constexpr int32_t TKHARZER_SHOT_BURST = 1;  // 1 once burst

// Ithus, a Wild Ball's kindState.
constexpr int32_t ITHUS_SHOT_FRAMES_FLOWN = 1;  // the ball curls while below 67

// Sjuog.
constexpr int32_t SJUOG_CHARGING = 1;        // 1 while the Annihilator Cannon charges
constexpr int32_t SJUOG_FRAMES_CHARGED = 2;  // it fires at 140
constexpr int32_t SJUOG_FLICKER = 3;         // the charge's flicker frame, 1 to 3

// Otros. Each plate marks itself again in every shot pass.
constexpr int32_t OTROS_PLATES_MADE = 1;  // 1 once the first plates are made
constexpr int32_t OTROS_LEFT_PLATE = 2;   // 1 while the left plate exists
constexpr int32_t OTROS_RIGHT_PLATE = 3;  // 1 while the right plate exists
constexpr int32_t OTROS_PLATE_FADE = 4;   // a plate's fade x 100
// A side plate's kindState.
constexpr int32_t OTROS_SHOT_SHIP_FOUND = 5;  // 1 when the plate found its ship this frame

// Temper.
constexpr int32_t TEMPER_GROWING = 1;           // 1 while growing
constexpr int32_t TEMPER_GROWTH_ANIMATION = 2;  // 1 to 5, the body frame following
constexpr int32_t TEMPER_SHOTS_LEFT = 3;        // the computer's count of shots left since growing
constexpr int32_t TEMPER_FRAMES_MENDING = 4;    // counted up towards the next point mended

// Kabata.
constexpr int32_t KABATA_MODE = 1;              // the resistance mode, 0 to 2
constexpr int32_t KABATA_CHANGE_ANIMATION = 2;  // 0 to 15
constexpr int32_t KABATA_STARTED = 5;           // 1 after the first frame
// The Chaos Orb's kindState.
constexpr int32_t KABATA_SHOT_SPIN = 1;  // 0 to 2, giving its picture 1 to 3

// Serger, an Attack Drone's kindState.
constexpr int32_t SERGER_SHOT_FRAMES_SINCE_VOLLEY = 1;  // counting up to the next, at 50
constexpr int32_t SERGER_SHOT_SWING = 2;                // 0 right, 1 left
constexpr int32_t SERGER_SHOT_FRAMES_SWUNG = 3;         // frames into the swing, up to 90

// Hepron.
constexpr int32_t HEPRON_SPINNING = 1;      // 1 while the drill spins
constexpr int32_t HEPRON_FRAMES_SPUN = 2;   // it stops at 100
constexpr int32_t HEPRON_SPIN_COUNTER = 3;  // 8 to 19, behind bodyFrame
// The Astro Drill's kindState.
constexpr int32_t HEPRON_SHOT_STEPS_TAKEN = 1;  // the drill ends above 100

// Urnox. Cells 1 to 4 are cleared together when the power ends.
constexpr int32_t URNOX_ACTIVE = 1;          // 1 while indestructible
constexpr int32_t URNOX_GLOW_DIRECTION = 2;  // 0 up, 1 down
constexpr int32_t URNOX_GLOW = 3;            // 0 to 255
constexpr int32_t URNOX_FRAMES_ACTIVE = 4;   // the power ends at 450

// Jerboafa, the Pulsar Trap's kindState.
constexpr int32_t JERBOAFA_SHOT_ANIMATION = 1;  // 0 to 4 in half steps

// Adapa, the Ultra Flash's kindState.
constexpr int32_t ADAPA_SHOT_STRUCK = 1;  // 1 once the flash has struck

// Xiapas, the Toaster Laser's kindState.
constexpr int32_t XIAPAS_SHOT_LASER_SEGMENT = 1;       // 0 the head, 1 a segment
constexpr int32_t XIAPAS_SHOT_LASER_FRAMES_SHOWN = 2;  // a segment's frames
// The Energy Station's kindState.
constexpr int32_t XIAPAS_SHOT_STATION_FEED_TIMER = 1;  // frames since a feed, 0 on a feed's frame
constexpr int32_t XIAPAS_SHOT_STATION_ANIMATION = 2;   // the animation frame, 1 to 6
constexpr int32_t XIAPAS_SHOT_STATION_FED = 3;         // 1 while the last feed reached a ship

// Birken.
constexpr int32_t BIRKEN_SALVOS_FIRED = 1;  // of the Hellbore Rockets
// A Wobbley's kindState.
constexpr int32_t BIRKEN_SHOT_SWING = 1;          // 0 out, 1 back
constexpr int32_t BIRKEN_SHOT_DEGREES_SWUNG = 2;  // 0 to 90
