// Match drawing: the star field, every object list in its layer, the team
// letters and the HUD. It never changes the simulation or draws random
// numbers; the fade and the frozen screens after the match draw it again.
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/renderers.hpp"
#include "match/shell_tables.hpp"
#include "platform/draw.hpp"
#include "shell/match_step/match_step.hpp"

void MatchDraw() {
  for (int32_t star = 1; star <= 33; ++star)
    DrawImageFrame(starImage1, starField[1][star][1], starField[1][star][2], 0);
  for (int32_t star = 1; star <= 100; ++star)
    DrawImageFrame(starImage2, starField[2][star][1], starField[2][star][2], 0);

  // Later layers cover earlier ones: shots lie over ships and explosions.
  DrawWarpIns(warpImage);
  DrawShotOverlays();
  DrawShipGlows();
  DrawDebris(emissionImage);
  DrawShips();
  DrawExplosions();
  DrawSparks();
  DrawShots();

  if (optionTable[OPTIONS_GENERAL][OPTION_TEAM_INDICATORS] == OPTION_ON) {
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(0.9);
    DrawShipLabels();
    SetDrawAlpha(1);
    SetBlendMode(BLEND_MASK);
  }
  SetDrawAlpha(1);
  SetBlendMode(BLEND_MASK);
  SetDrawScale(1, 1);
  DrawHud(hudSlotsImage, hudArmourImage, hudEnergyImage, hudMiniShipsImage, hudReloadBackImage,
          hudReloadImage);
}
