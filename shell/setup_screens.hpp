// The set-up screens' own state: the challenge choices kept for the run and
// the melee grid's hover highlight and tooltip.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// 1 or 2 human players; 0 until the challenge set-up is first entered.
extern int32_t challengePlayers;
// FLEET_CUSTOM or FLEET_RANDOM for the human slots; 0 until first entered.
extern int32_t challengeFleetKind;

// Where the melee grid draws tickBorderImage ((-500, -500): nothing hovered)
// and the tooltip of the hovered header button ("" when none).
extern int32_t meleeHoverX;
extern int32_t meleeHoverY;
extern Text meleeTooltip;

// The melee money arrows: one step of the money rule. down picks the arrow,
// coarse the right button (50 instead of 5). Returns the new starting money.
int32_t MeleeMoneyStep(int32_t money, bool down, bool coarse);

// Both screens' state back to its program-start values (tests).
void ResetSetupScreens();
