// The ship info panel of the ship shop and the ship database: a plate of
// values on the left and a plate with the special weapon's description on
// the right, both in the fixed font, read from the catalogue in its own
// units. While the carousel slides both plates are pushed out sideways.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// Where each screen puts the description: its heading and its plate.
constexpr int32_t SHOP_DESCRIPTION_TOP = 754;
constexpr int32_t SHOP_DESCRIPTION_PLATE_TOP = 739;
constexpr int32_t DATABASE_DESCRIPTION_TOP = 725;
constexpr int32_t DATABASE_DESCRIPTION_PLATE_TOP = 709;

// One line of the value plate: its height, its panelColour row and its text.
struct PanelLine {
  int32_t y;
  int32_t colourRow;
  Text text;
};
constexpr int32_t PANEL_VALUE_ROWS = 22;

// The value plate's lines of a ship type, top to bottom, into lines; returns
// how many there are (a damage type the panel does not know draws no line).
int32_t ShipInfoValueLines(int32_t shipType, PanelLine (&lines)[PANEL_VALUE_ROWS]);

// The damage figure of a weapon line: the nine-digit form of the value cut
// after the last of its first few characters that is not "0"; "-----" for 0.
Text FormatDamageValue(float value);

// Both plates and their text; panelOffset 0 (in place) to 648 (off screen).
void DrawShipInfoPanel(int32_t shipType, int32_t panelOffset, int32_t descriptionTop,
                       int32_t plateTop);
