// Clearing away a match: entering the main menu and leaving the statistics
// both do it, with small differences of their own.
#pragma once

// Empties the six object lists, clears the status effects, the fleets (the
// melee starting money stays), the working copies of the ship values, the
// players' queued damage (the special attacker's row stays), the statistics,
// every slot's targetable flag, the computer choice timers, the team flags and
// the match's end state. keepShipTypes leaves the statistics' ship types.
void ClearMatchState(bool keepShipTypes);
