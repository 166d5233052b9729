#include "shell/startup_tables.hpp"

#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/match_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/maths.hpp"
#include "platform/text.hpp"

namespace {

void SetKeyNames() {
  struct Name {
    int code;
    const char16_t* name;
  };
  // clang-format off
  static const Name names[] = {
      {8, u"BACKSPACE"},    {9, u"TAB"},          {12, u"NUM 5 OFF"},    {13, u"ENTER"},
      {19, u"PAUSE"},       {20, u"CAPS LOCK"},   {27, u"ESCAPE"},       {32, u"SPACE"},
      {33, u"PAGE UP"},     {34, u"PAGE DOWN"},   {35, u"END"},          {36, u"HOME"},
      {37, u"ARROW LEFT"},  {38, u"ARROW UP"},    {39, u"ARROW RIGHT"},  {40, u"ARROW DOWN"},
      {45, u"INSERT"},      {46, u"DELETE"},      {91, u"LEFT WIN95"},   {92, u"RIGHT WIN95"},
      {93, u"MENU"},        {106, u"NUM *"},      {107, u"NUM +"},       {109, u"NUM -"},
      {110, u"NUM ,"},      {111, u"NUM /"},      {144, u"NUM LOCK"},    {145, u"SCROLL LOCK"},
      {160, u"LEFT SHIFT"}, {161, u"RIGHT SHIFT"}, {162, u"LEFT CONTROL"}, {163, u"RIGHT CONTROL"},
      {164, u"ALT"},        {165, u"ALT GR"},     {186, u"\u00a8"},      {187, u"?"},
      {188, u","},          {189, u"-"},          {190, u"."},           {191, u"'"},
      {192, u"\u00d6"},     {219, u"^"},          {220, u"\u00bd"},      {221, u"\u00c5"},
      {222, u"\u00c4"},     {226, u">"},
  };
  // clang-format on
  for (const Name& n : names) keyNames[n.code] = n.name;
  for (int32_t i = 0; i <= 9; ++i) {
    keyNames[48 + i] = Text(1, static_cast<char16_t>(u'0' + i));
    keyNames[96 + i] = JoinText(u"NUM ", IntToText(i));
  }
  for (int32_t i = 0; i < 26; ++i) keyNames[65 + i] = Text(1, static_cast<char16_t>(u'A' + i));
  for (int32_t i = 1; i <= 12; ++i) keyNames[111 + i] = JoinText(u"F", IntToText(i));

  // clang-format off
  static const Name shifted[] = {
      {48, u"="},  {49, u"!"},      {50, u"\u00a7"}, {51, u"#"},  {52, u"\u00a4"},
      {53, u"%"},  {54, u"&"},      {55, u"/"},      {56, u"("},  {57, u")"},
      {187, u"?"}, {188, u";"},     {189, u"_"},     {190, u":"},
  };
  // clang-format on
  for (const Name& n : shifted) shiftedKeyNames[n.code] = n.name;

  for (int32_t k = 48; k <= 57; ++k) keyClass[k] = 2;
  for (int32_t k = 187; k <= 190; ++k) keyClass[k] = 2;
  for (int32_t k = 65; k <= 90; ++k) keyClass[k] = 1;
  for (int32_t k : {8, 32, 192, 221, 222}) keyClass[k] = 1;
}

void SetColour(int32_t (&row)[4], int32_t r, int32_t g, int32_t b) {
  row[1] = r;
  row[2] = g;
  row[3] = b;
}

void SetHudLayout() {
  // Element positions of slots 1 (top left) and 3 (top right); slots 2 and 4
  // are the same 512 pixels lower.
  static const int32_t left[8][2] = {{0, 0},   {16, 4},  {42, 4}, {7, 320},
                                     {7, 330}, {4, 342}, {0, 0},  {0, 0}};
  static const int32_t right[8][2] = {{0, 0},      {1224, 4},   {1250, 4}, {1215, 320},
                                      {1215, 330}, {1212, 342}, {0, 0},    {1208, 0}};
  for (int32_t element = 1; element <= 7; ++element) {
    if (element == 6) continue;
    for (int32_t slot = 1; slot <= 4; ++slot) {
      const int32_t(&pos)[2] = slot <= 2 ? left[element] : right[element];
      const int32_t drop = slot % 2 == 0 ? 512 : 0;
      hudLayout[slot][element][1] = pos[0];
      hudLayout[slot][element][2] = pos[1] + drop;
    }
  }
}

}  // namespace

void SetUpTeamNames() {
  teamNames[1] = u"A";
  teamNames[2] = u"B";
  teamNames[3] = u"C";
  teamNames[4] = u"D";
  teamNames[5] = u"DRAW";
}

void SetDefaultSlots() {
  for (int32_t slot = 1; slot <= 4; ++slot) {
    const int32_t control = slot <= 2 ? CONTROL_HUMAN : CONTROL_DISABLED;
    slotTable[slot][SLOT_CONTROL] = control;
    slotTable[slot][SLOT_TEAM] = slot;
    slotTable[slot][SLOT_FLEET_KIND] = FLEET_CUSTOM;
    slotTable[slot][SLOT_MELEE_CONTROL] = control;
    slotTable[slot][SLOT_MELEE_TEAM] = slot;
    fleetTable[slot][FLEET_HEAD][FLEET_CHOSEN] = 1;
    fleetTable[slot][FLEET_HEAD][FLEET_SIZE] = 0;
    fleetTable[slot][FLEET_HEAD][FLEET_START_MONEY] = 200;
  }
}

void SetUpStartupTables() {
  kindNames[1][1] = u"HUMAN";
  kindNames[1][2] = u"COMPUTER";
  kindNames[2][1] = u"CUSTOM WEXLOR";
  kindNames[2][2] = u"RANDOM WEXLOR";
  kindNames[3][1] = u"CHALLENGE";
  kindNames[3][2] = u"MELEE";

  ResetShipCarousel();
  shipCarousel[CAROUSEL_CHOSEN] = shipCarousel[CAROUSEL_SELL_LAST] = 0;
  for (int32_t n : {1, 2, 3, 8, 9, 15, 16, 17, 18}) showVersionText[n] = 1;

  SetColour(slotColour[1], 255, 50, 50);
  SetColour(slotColour[2], 255, 50, 255);
  SetColour(slotColour[3], 50, 255, 50);
  SetColour(slotColour[4], 255, 255, 50);
  SetColour(slotColour[5], 255, 255, 255);

  FillBigFontWidths();
  SetKeyNames();

  replayInfo[1] = u"UNTITLED";
  replayInfo[2] = u"NO COMMENTS";
  for (int32_t i = 3; i <= 6; ++i) replayInfo[i] = u"";

  SetDefaultSlots();
  for (int32_t slot = 1; slot <= 4; ++slot) cpuChoiceTimer[slot] = 0;
  SetHudLayout();
  shipSnapshot[0][1] = 640;
  shipSnapshot[0][2] = 512;
  SetColour(panelColour[1], 255, 255, 0);
  SetColour(panelColour[2], 0, 200, 0);

  currentScreen = SCREEN_MAIN_MENU;
  RankShipTypes();
}

void RankShipTypes() {
  for (int32_t i = 1; i <= shipCount; ++i) {
    shipRankWork[i][1] = i;
    shipRankWork[i][2] = TruncateToInt(shipValue[i][GROUP_HULL][HULL_PRICE]);
    sortedShipNames[i] = shipText[i][TEXT_SHIP_NAME];
  }
  int32_t remaining = shipCount;
  for (int32_t p = 1; p <= shipCount; ++p) {
    int32_t bestPrice = 9999999;
    Text bestName = u"\u00fewixo";
    int32_t best = 0;
    for (int32_t j = 1; j <= remaining; ++j) {
      if (shipRankWork[j][2] < bestPrice) {
        best = j;
        bestPrice = shipRankWork[j][2];
        bestName = sortedShipNames[j];
      }
      if (shipRankWork[j][2] == bestPrice && CompareText(sortedShipNames[j], bestName) < 0) {
        best = j;
        bestPrice = shipRankWork[j][2];
        bestName = sortedShipNames[j];
      }
    }
    // Only a price of 9999999 or more finds no row; such a type takes the next place.
    if (best == 0) best = 1;
    shipOrder[p] = shipRankWork[best][1];
    for (int32_t j = best; j < remaining; ++j) {
      shipRankWork[j][1] = shipRankWork[j + 1][1];
      shipRankWork[j][2] = shipRankWork[j + 1][2];
      sortedShipNames[j] = sortedShipNames[j + 1];
    }
    shipRankWork[remaining][1] = 0;
    shipRankWork[remaining][2] = 0;
    sortedShipNames[remaining] = u"";
    remaining -= 1;
  }
}
