// The catalogue's tables and the one fill of them at start-up.
#include <algorithm>

#include "catalogue/explosions.hpp"
#include "catalogue/fill.hpp"
#include "catalogue/ships.hpp"

float shipValue[shipCount + 1][4][51];
Text shipText[shipCount + 1][33];
float shipPoint[shipCount + 1][4][51][6];

namespace {

bool shipCatalogueFilled = false;

void ClearShipCatalogue() {
  std::fill(&shipValue[0][0][0], &shipValue[0][0][0] + sizeof(shipValue) / sizeof(float), 0.0f);
  std::fill(&shipPoint[0][0][0][0], &shipPoint[0][0][0][0] + sizeof(shipPoint) / sizeof(float),
            0.0f);
  for (auto& texts : shipText) {
    for (Text& text : texts) text.clear();
  }
  shipCatalogueFilled = false;
}

}  // namespace

void InitShipCatalogue() {
  if (shipCatalogueFilled) return;
  shipCatalogueFilled = true;
  FillHullValues();
  FillWeaponValues();
  FillShipTexts();
  FillShipPoints();
}

void ResetCatalogue() {
  ClearShipCatalogue();
  ClearExplosionTypes();
  InitShipCatalogue();
  InitExplosionTypes();
}
