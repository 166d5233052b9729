// Engine and muzzle points of the 40 ship types (shipPoint). Every point the
// catalogue sets is listed, also the (0, 0, 0) ones and points beyond a
// weapon's shot count; ship-type code rewrites some of them in a match.
#include <vector>

#include "catalogue/fill.hpp"
#include "catalogue/ships.hpp"

namespace {

struct EnginePoint {
  float x, y;
};

struct MuzzlePoint {
  float angle, x, y;
};

struct PointRow {
  int32_t type;
  std::vector<EnginePoint> engines;    // (x, y)
  std::vector<MuzzlePoint> primary;    // (angle, x, y)
  std::vector<MuzzlePoint> secondary;  // (angle, x, y)
};

void StoreMuzzles(int32_t type, int32_t group, const std::vector<MuzzlePoint>& muzzles) {
  int32_t point = 1;
  for (const MuzzlePoint& muzzle : muzzles) {
    shipPoint[type][group][point][MUZZLE_ANGLE] = muzzle.angle;
    shipPoint[type][group][point][MUZZLE_X] = muzzle.x;
    shipPoint[type][group][point][MUZZLE_Y] = muzzle.y;
    ++point;
  }
}

}  // namespace

void FillShipPoints() {
  // type, engine points, primary muzzle points, secondary muzzle points
  // clang-format off
  const PointRow pointRows[shipCount] = {
    { 1, {{0, 15}}, {{0, -4, -16}, {0, 4, -16}}, {{0, -8, -4}}},  // Regal
    { 2, {{1, 24}}, {{0, -20, -6}, {0, -12, 0}, {0, 12, 0}, {0, 20, -6}}, {{0, 0, 0}}},  // Garm
    { 3, {{0, 16}}, {{0, -28, -14}, {0, -24, -14}, {0, -20, -14}, {0, -16, -14}, {0, -12, -14}, {0, -8, -14}, {0, -4, -14}, {0, 0, -14}, {0, 4, -14}, {0, 8, -14}, {0, 12, -14}, {0, 16, -14}, {0, 20, -14}, {0, 24, -14}, {0, 28, -14}}, {{0, 0, -32}}},  // Coboth
    { 4, {{0, 50}}, {{2, -32, -40}, {-2, 32, -40}}, {{0, 0, -38}, {0, 0, -38}, {0, 0, -38}, {0, 0, -38}, {0, 0, -38}, {0, 0, -38}, {0, 0, -38}, {0, 0, -38}, {0, 0, -38}}},  // Urbatron
    { 5, {{-15, 32}, {15, 32}}, {{0, -10, -30}, {0, 10, -30}}, {{0, 0, 0}}},  // Nalen
    { 6, {{0, 29}}, {{0, -6, -20}, {0, 6, -20}, {-90, -28, 0}, {90, 28, 0}}, {{0, 0, 24}}},  // Darber
    { 7, {{-16, 59}, {16, 59}}, {{2, -28, -60}, {-2, 28, -60}}, {{0, 0, 0}}},  // Avrax
    { 8, {{-16, 17}, {16, 17}}, {{0, -12, -8}, {0, 12, -8}}, {{0, -14, 8}, {0, 14, 8}}},  // Faser
    { 9, {{0, 16}}, {{0, 0, -6}}, {{0, 0, 0}}},  // Qoul
    {10, {{0, 11}}, {{0, 0, -8}}, {{0, -12, 10}, {0, 12, 10}}},  // Fedzie
    {11, {{-8, 39}, {8, 39}}, {{-6, -12, -16}, {0, 0, -48}, {6, 12, -16}}, {{0, 0, 0}}},  // Bridew
    {12, {{0, 21}}, {{-2, 24, -2}}, {{0, 0, -30}}},  // Erebos
    {13, {{0, 16}}, {{0, 2, -14}, {45, 18, -13}, {75, 18, -3}, {90, 16, 3}, {145, 11, 13}, {180, 0, 13}, {225, -17, 11}, {270, -20, 3}, {285, -16, -5}, {320, -12, -11}}, {{-180, 0, 24}}},  // Grates
    {14, {{0, 39}}, {{0, 0, -24}}, {{0, 0, 0}}},  // Scalus
    {15, {{-24, 28}, {24, 28}}, {{0, 0, -26}}, {{180, 0, 26}}},  // Speth
    {16, {{0, 12}}, {{0, 0, -10}}, {{0, 0, -14}}},  // Kalgon
    {17, {{0, 20}}, {{0, -3, -8}, {0, 3, -8}}, {{0, 0, 0}}},  // Iwor
    {18, {{0, 26}}, {{0, -8, -20}, {0, 0, -24}, {0, 8, -20}}, {{0, 0, 0}}},  // Arubawi
    {19, {{0, 31}}, {{0, 0, -34}}, {{0, 0, 0}}},  // Pax
    {20, {{-7, 25}, {7, 25}}, {{-2, 16, -16}}, {{0, 0, -6}}},  // Tkharzer
    {21, {{0, 26}}, {{0, -5, -14}, {0, 5, -14}}, {{180, -18, 20}, {180, 18, 20}}},  // Ithus
    {22, {{0, 70}}, {{5, -42, -34}, {-5, 42, -34}}, {{0, 0, -68}}},  // Sjuog
    {23, {{0, 19}}, {{0, -4, -10}, {0, 4, -10}}, {{0, 0, 0}}},  // Otros
    {24, {{-14, 20}, {14, 20}}, {{-8, -4, -18}, {0, 0, -18}, {8, 4, -18}}, {{0, -14, -8}, {0, 14, -8}}},  // Dront
    {25, {{0, 19}}, {{0, 0, -16}, {0, 0, -16}, {0, 0, -16}, {0, 0, -16}, {0, 0, -16}}, {{177, -20, 18}, {183, 20, 18}}},  // Grok
    {26, {{0, 17}}, {{0, 0, -12}}, {{0, 0, 0}}},  // Temper
    {27, {{-24, 28}, {24, 28}}, {{0, 0, -24}}, {{0, 0, 0}}},  // Kabata
    {28, {{0, 18}}, {{0, 0, -12}}, {{0, 0, -12}}},  // Fith
    {29, {{0, 20}}, {{0, -16, -12}, {0, 16, -12}}, {{-90, 0, -12}}},  // Serger
    {30, {{0, 10}}, {{0, -3, -6}, {0, 3, -6}}, {{0, 0, -4}}},  // Sheval
    {31, {{0, 17}}, {{0, 5, -8}}, {{0, -9, -12}}},  // Hepron
    {32, {{-11, 19}, {10, 19}}, {{-1, 14, -12}}, {{0, 0, 0}}},  // Urnox
    {33, {{0, 17}}, {{0, -15, -12}, {0, 15, -12}}, {{0, 0, -4}}},  // Treek
    {34, {{0, 10}}, {{0, 0, -6}}, {{2, -12, -4}, {-2, 12, -4}}},  // Wende
    {35, {{-12, 72}, {12, 72}}, {{3, -35, -18}, {-3, 35, -18}}, {{-90, -44, 6}, {90, 44, 6}}},  // Serax
    {36, {{0, 14}}, {{0, -6, 0}, {0, 6, 0}}, {{0, 0, 0}}},  // Anatos
    {37, {{0, 31}}, {{0, 0, -28}}, {{0, 0, 32}}},  // Jerboafa
    {38, {{-14, 32}, {14, 32}}, {{-20, -9, -12}, {-14, -6, -16}, {-7, -3, -20}, {0, 0, -24}, {0, 0, -24}, {7, 3, -20}, {14, 6, -16}, {20, 9, -12}}, {{0, 0, 0}}},  // Adapa
    {39, {{0, 16}}, {{3, -16, -42}, {-3, 16, -42}, {0, 0, -35}}, {{0, 0, 36}}},  // Xiapas
    {40, {{0, 100}}, {{45, -14, -102}, {-45, 14, -102}}, {{4, -86, -26}, {2, -48, -26}, {-2, 48, -26}, {-4, 86, -26}}},  // Birken
  };
  // clang-format on
  for (const PointRow& row : pointRows) {
    int32_t point = 1;
    for (const EnginePoint& engine : row.engines) {
      shipPoint[row.type][GROUP_HULL][point][ENGINE_X] = engine.x;
      shipPoint[row.type][GROUP_HULL][point][ENGINE_Y] = engine.y;
      ++point;
    }
    StoreMuzzles(row.type, GROUP_PRIMARY, row.primary);
    StoreMuzzles(row.type, GROUP_SECONDARY, row.secondary);
  }
}
