#include "shell/ship_info_panel.hpp"

#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "platform/maths.hpp"

namespace {

// What follows a row's label.
enum class PanelValue {
  Name,        // a text of the ship type
  Number,      // a catalogue value, truncated
  Recharge,    // milliseconds per energy point
  Damage,      // FormatDamageValue and the shot count
  DamageType,  // the whole line names the damage type
};

struct PanelRow {
  int32_t y;
  // 27 characters, so that the values line up in one column.
  const char16_t* label;
  PanelValue value;
  int32_t group;
  // The text slot of a name, else the value column.
  int32_t source;
  // Shown instead of the number when not empty; 0 for rows without one.
  int32_t overrideSlot;
  int32_t colourRow;
};

// clang-format off
const PanelRow panelRows[PANEL_VALUE_ROWS] = {
  {515, u"SHIP.......................", PanelValue::Name,       GROUP_HULL,      TEXT_SHIP_NAME,             0,                           PANEL_NAMES},
  {531, u"NICKNAME...................", PanelValue::Name,       GROUP_HULL,      TEXT_NICKNAME,              0,                           PANEL_NAMES},
  {563, u"MAXIMUM SPEED (1-100)......", PanelValue::Number,     GROUP_HULL,      HULL_MAX_SPEED,             TEXT_MAX_SPEED,              PANEL_VALUES},
  {579, u"ACCELERATION (1-100).......", PanelValue::Number,     GROUP_HULL,      HULL_ACCELERATION,          TEXT_ACCELERATION,           PANEL_VALUES},
  {595, u"TURNING RATE (1-100).......", PanelValue::Number,     GROUP_HULL,      HULL_TURN_RATE,             TEXT_TURN_RATE,              PANEL_VALUES},
  {627, u"MAXIMUM ARMOR (1-100)......", PanelValue::Number,     GROUP_HULL,      HULL_MAX_ARMOR,             TEXT_MAX_ARMOR,              PANEL_VALUES},
  {643, u"CANNON RESISTANCE (%)......", PanelValue::Number,     GROUP_HULL,      HULL_CANNON_RESISTANCE,     TEXT_CANNON_RESISTANCE,      PANEL_VALUES},
  {659, u"BEAM RESISTANCE (%)........", PanelValue::Number,     GROUP_HULL,      HULL_BEAM_RESISTANCE,       TEXT_BEAM_RESISTANCE,        PANEL_VALUES},
  {675, u"MISSILE RESISTANCE (%).....", PanelValue::Number,     GROUP_HULL,      HULL_MISSILE_RESISTANCE,    TEXT_MISSILE_RESISTANCE,     PANEL_VALUES},
  {707, u"MAXIMUM ENERGY (1-100).....", PanelValue::Number,     GROUP_HULL,      HULL_MAX_ENERGY,            TEXT_MAX_ENERGY,             PANEL_VALUES},
  {723, u"ENERGY RECHARGE TIME (MS)..", PanelValue::Recharge,   GROUP_HULL,      HULL_RECHARGE_TIME,         TEXT_RECHARGE_TIME,          PANEL_VALUES},
  {755, u"PRIMARY WEAPON.............", PanelValue::Name,       GROUP_PRIMARY,   TEXT_PRIMARY_WEAPON_NAME,   0,                           PANEL_NAMES},
  {771, u"DAMAGE.....................", PanelValue::Damage,     GROUP_PRIMARY,   WEAPON_DAMAGE,              TEXT_PRIMARY_DAMAGE,         PANEL_VALUES},
  {787, u"DAMAGE TYPE................", PanelValue::DamageType, GROUP_PRIMARY,   WEAPON_DAMAGE_TYPE,         TEXT_PRIMARY_DAMAGE_TYPE,    PANEL_VALUES},
  {803, u"RELOAD TIME (MS)...........", PanelValue::Number,     GROUP_PRIMARY,   WEAPON_RELOAD_TIME,         TEXT_PRIMARY_RELOAD_TIME,    PANEL_VALUES},
  {819, u"ENERGY DRAIN...............", PanelValue::Number,     GROUP_PRIMARY,   WEAPON_ENERGY_DRAIN,        TEXT_PRIMARY_ENERGY_DRAIN,   PANEL_VALUES},
  {851, u"SECONDARY WEAPON...........", PanelValue::Name,       GROUP_SECONDARY, TEXT_SECONDARY_WEAPON_NAME, 0,                           PANEL_NAMES},
  {867, u"DAMAGE.....................", PanelValue::Damage,     GROUP_SECONDARY, WEAPON_DAMAGE,              TEXT_SECONDARY_DAMAGE,       PANEL_VALUES},
  {883, u"DAMAGE TYPE................", PanelValue::DamageType, GROUP_SECONDARY, WEAPON_DAMAGE_TYPE,         TEXT_SECONDARY_DAMAGE_TYPE,  PANEL_VALUES},
  {899, u"RELOAD TIME (MS)...........", PanelValue::Number,     GROUP_SECONDARY, WEAPON_RELOAD_TIME,         TEXT_SECONDARY_RELOAD_TIME,  PANEL_VALUES},
  {915, u"ENERGY DRAIN...............", PanelValue::Number,     GROUP_SECONDARY, WEAPON_ENERGY_DRAIN,        TEXT_SECONDARY_ENERGY_DRAIN, PANEL_VALUES},
  {947, u"PRICE......................", PanelValue::Number,     GROUP_HULL,      HULL_PRICE,                 0,                           PANEL_VALUES},
};
// clang-format on

// The damage types by their number; 4 and 5 both show as special.
const char16_t* const damageTypeNames[6] = {u"",        u"CANNON",  u"BEAM",
                                            u"MISSILE", u"SPECIAL", u"SPECIAL"};

constexpr int32_t VALUE_PLATE_X = 32;
constexpr int32_t VALUE_PLATE_TOP = 499;
constexpr int32_t DESCRIPTION_X = 770;
constexpr int32_t PLATE_MARGIN = 6;

// The value after a row's label; false when the row draws no line.
bool RowValue(int32_t shipType, const PanelRow& row, Text& value) {
  const float(&values)[51] = shipValue[shipType][row.group];
  switch (row.value) {
    case PanelValue::Name:
      value = shipText[shipType][row.source];
      return true;
    case PanelValue::Number:
      value = IntToText(TruncateToInt(values[row.source]));
      return true;
    case PanelValue::Recharge:
      value = IntToText(TruncateToInt(values[HULL_RECHARGE_TIME] / values[HULL_RECHARGE_AMOUNT]));
      return true;
    case PanelValue::Damage: {
      value = FormatDamageValue(values[WEAPON_DAMAGE]);
      const float shots = values[WEAPON_SHOT_COUNT];
      if (shots > 1) value = JoinText(value, u" (x", IntToText(TruncateToInt(shots)), u")");
      return true;
    }
    case PanelValue::DamageType: {
      if (values[WEAPON_DAMAGE] <= 0) {
        value = u"-----";
        return true;
      }
      const int32_t type = TruncateToInt(values[WEAPON_DAMAGE_TYPE]);
      if (type < DAMAGE_TYPE_CANNON || type > DAMAGE_TYPE_NONE) return false;
      value = damageTypeNames[type];
      return true;
    }
  }
  return false;
}

}  // namespace

Text FormatDamageValue(float value) {
  const Text digits = RealToText(value);
  // Below 10 the figure has one digit before the point, else two; up to
  // three more characters are kept, as far as the last one that is not "0".
  const int32_t first = value < 10 ? 1 : 2;
  int32_t length = first;
  for (int32_t position = first + 2; position <= first + 4; ++position) {
    if (CompareText(TextSlice(digits, position, 1), u"0") != 0) length = position;
  }
  Text figure = TextHead(digits, length);
  if (CompareText(figure, u"0") == 0) figure = u"-----";
  return figure;
}

int32_t ShipInfoValueLines(int32_t shipType, PanelLine (&lines)[PANEL_VALUE_ROWS]) {
  int32_t count = 0;
  for (const PanelRow& row : panelRows) {
    Text value;
    if (row.overrideSlot != 0 && !shipText[shipType][row.overrideSlot].empty()) {
      value = shipText[shipType][row.overrideSlot];
    } else if (!RowValue(shipType, row, value)) {
      continue;
    }
    lines[count].y = row.y;
    lines[count].colourRow = row.colourRow;
    lines[count].text = JoinText(row.label, value);
    count += 1;
  }
  return count;
}

void DrawShipInfoPanel(int32_t shipType, int32_t panelOffset, int32_t descriptionTop,
                       int32_t plateTop) {
  const int32_t x = VALUE_PLATE_X - panelOffset;
  DrawImageFrame(bigPlateImage, x - PLATE_MARGIN, VALUE_PLATE_TOP, 0);
  PanelLine lines[PANEL_VALUE_ROWS];
  const int32_t count = ShipInfoValueLines(shipType, lines);
  for (int32_t i = 0; i < count; ++i) {
    const int32_t(&colour)[4] = panelColour[lines[i].colourRow];
    DrawTextFixed(static_cast<float>(x), static_cast<float>(lines[i].y), colour[1], colour[2],
                  colour[3], lines[i].text);
  }

  const int32_t descriptionX = panelOffset + DESCRIPTION_X;
  DrawImageFrame(smallPlateImage, descriptionX - PLATE_MARGIN, plateTop, 0);
  const int32_t(&heading)[4] = panelColour[PANEL_NAMES];
  DrawTextFixed(static_cast<float>(descriptionX + 106), static_cast<float>(descriptionTop),
                heading[1], heading[2], heading[3], u"SPECIAL WEAPON DESCRIPTION");
  const int32_t(&body)[4] = panelColour[PANEL_VALUES];
  for (int32_t slot = TEXT_DESCRIPTION_FIRST; slot <= TEXT_DESCRIPTION_LAST; ++slot) {
    const Text& line = shipText[shipType][slot];
    if (line.empty()) continue;
    const int32_t y = descriptionTop + 32 + 16 * (slot - TEXT_DESCRIPTION_FIRST);
    DrawTextFixed(static_cast<float>(descriptionX), static_cast<float>(y), body[1], body[2],
                  body[3], line);
  }
}
