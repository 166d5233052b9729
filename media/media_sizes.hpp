// Picture sizes of the ships and their weapons.
//
// These sizes are simulation data, not just looks: a ship's collision radius,
// its drawing order, its warp-in and its death explosion all come from
// (width + height) / 2 of its first body picture, and a shot's radius from
// its own picture. Recorded replays depend on them, so once replays exist
// this table must not change.
#pragma once

namespace qw2media {

struct PictureSize {
  int width;
  int height;
};

struct ShipPictureSizes {
  PictureSize body;  // every body frame has this size
  int bodyFrames;    // ship{N}_{k}.png, k = 1..bodyFrames
  int primaryCount;  // ship{N}a_{k}.png
  PictureSize primary[4];
  int secondaryCount;  // ship{N}b_{k}.png (type 27: only number 2)
  PictureSize secondary[5];
  int specialCount;  // ship{N}s_{k}.png
  PictureSize special[10];
  bool primarySound;    // ship{N}a.wav
  bool secondarySound;  // ship{N}b.wav
  int extraSounds;      // ship{N}s_{k}.wav
};

// Index 0 is unused; types 1 to 40.
inline constexpr ShipPictureSizes kShipPictures[41] = {
    {},
    /* 1 Regal */ {{28, 38}, 1, 1, {{3, 12}}, 1, {{6, 14}}, 0, {}, true, true, 0},
    /* 2 Garm */ {{48, 54}, 1, 1, {{4, 14}}, 2, {{10, 10}, {28, 28}}, 0, {}, true, true, 1},
    /* 3 Coboth */ {{64, 68}, 1, 1, {{4, 6}}, 1, {{84, 22}}, 0, {}, true, true, 0},
    /* 4 Urbatron */
    {{72, 108}, 1, 1, {{6, 10}}, 3, {{4, 8}, {20, 8}, {8, 8}}, 1, {{22, 22}}, true, false, 3},
    /* 5 Nalen */ {{44, 72}, 1, 1, {{4, 18}}, 2, {{12, 12}, {4, 4}}, 0, {}, true, true, 0},
    /* 6 Darber */ {{62, 64}, 1, 1, {{6, 6}}, 1, {{14, 14}}, 0, {}, true, true, 0},
    /* 7 Avrax */
    {{72, 126},
     1,
     2,
     {{6, 32}, {8, 8}},
     0,
     {},
     6,
     {{22, 14}, {22, 14}, {22, 14}, {22, 14}, {22, 14}, {22, 14}},
     true,
     true,
     0},
    /* 8 Faser */
    {{42, 42}, 1, 1, {{6, 14}}, 3, {{16, 16}, {16, 16}, {16, 16}}, 0, {}, true, true, 0},
    /* 9 Qoul */ {{34, 36}, 1, 1, {{6, 10}}, 1, {{140, 140}}, 0, {}, true, true, 0},
    /* 10 Fedzie */ {{30, 30}, 1, 1, {{10, 10}}, 1, {{10, 10}}, 0, {}, true, true, 0},
    /* 11 Bridew */ {{56, 100}, 1, 1, {{6, 6}}, 1, {{10, 14}}, 0, {}, true, true, 1},
    /* 12 Erebos */ {{54, 62}, 1, 1, {{3, 14}}, 1, {{8, 56}}, 0, {}, true, true, 0},
    /* 13 Grates */ {{46, 48}, 1, 1, {{4, 8}}, 1, {{36, 36}}, 0, {}, true, true, 0},
    /* 14 Scalus */ {{48, 86}, 1, 1, {{8, 14}}, 1, {{200, 200}}, 0, {}, true, true, 0},
    /* 15 Speth */ {{58, 64}, 1, 1, {{4, 4}}, 1, {{6, 14}}, 0, {}, true, true, 0},
    /* 16 Kalgon */ {{20, 32}, 2, 1, {{2, 8}}, 1, {{10, 10}}, 0, {}, true, true, 0},
    /* 17 Iwor */
    {{32, 48},
     7,
     2,
     {{4, 8}, {6, 10}},
     0,
     {},
     7,
     {{20, 28}, {20, 28}, {20, 28}, {20, 28}, {20, 28}, {20, 28}, {20, 28}},
     false,
     false,
     4},
    /* 18 Arubawi */ {{36, 60}, 1, 1, {{6, 6}}, 0, {}, 0, {}, true, true, 0},
    /* 19 Pax */ {{40, 72}, 1, 1, {{2, 10}}, 0, {}, 2, {{24, 24}, {40, 40}}, true, true, 1},
    /* 20 Tkharzer */ {{40, 58}, 1, 1, {{3, 8}}, 2, {{12, 12}, {40, 40}}, 0, {}, true, true, 1},
    /* 21 Ithus */ {{44, 60}, 1, 2, {{6, 12}, {8, 16}}, 1, {{10, 10}}, 0, {}, true, true, 0},
    /* 22 Sjuog */
    {{96, 148}, 1, 1, {{6, 10}}, 1, {{24, 24}}, 3, {{28, 28}, {28, 28}, {28, 28}}, true, true, 1},
    /* 23 Otros */ {{26, 46}, 1, 1, {{3, 12}}, 2, {{10, 30}, {10, 30}}, 0, {}, true, true, 0},
    /* 24 Dront */ {{38, 48}, 1, 1, {{4, 8}}, 1, {{6, 16}}, 0, {}, true, true, 0},
    /* 25 Grok */ {{46, 46}, 1, 0, {}, 1, {{4, 8}}, 1, {{12, 12}}, true, true, 0},
    /* 26 Temper */ {{24, 42}, 5, 1, {{6, 12}}, 0, {}, 0, {}, true, true, 0},
    /* 27 Kabata: one secondary picture, number 2 */
    {{56, 64}, 1, 3, {{18, 18}, {18, 18}, {18, 18}}, 1, {{24, 24}}, 1, {{56, 64}}, true, true, 0},
    /* 28 Fith */ {{24, 44}, 1, 1, {{8, 8}}, 1, {{10, 10}}, 0, {}, true, true, 0},
    /* 29 Serger */ {{38, 48}, 1, 1, {{6, 10}}, 2, {{16, 16}, {4, 8}}, 0, {}, true, true, 1},
    /* 30 Sheval */ {{16, 28}, 1, 1, {{4, 4}}, 1, {{14, 14}}, 0, {}, true, true, 0},
    /* 31 Hepron */ {{24, 42}, 4, 1, {{2, 6}}, 1, {{16, 16}}, 0, {}, true, true, 0},
    /* 32 Urnox */ {{34, 46}, 1, 1, {{10, 10}}, 1, {{50, 58}}, 0, {}, true, true, 0},
    /* 33 Treek */ {{38, 42}, 1, 1, {{3, 14}}, 1, {{8, 8}}, 0, {}, true, true, 0},
    /* 34 Wende */ {{28, 26}, 1, 1, {{4, 10}}, 1, {{8, 8}}, 0, {}, true, true, 0},
    /* 35 Serax */ {{96, 152}, 1, 1, {{8, 18}}, 1, {{10, 20}}, 0, {}, true, true, 0},
    /* 36 Anatos */ {{20, 36}, 1, 1, {{4, 6}}, 1, {{160, 160}}, 0, {}, true, true, 0},
    /* 37 Jerboafa */
    {{38, 70},
     1,
     1,
     {{4, 20}},
     5,
     {{32, 32}, {32, 32}, {32, 32}, {32, 32}, {32, 32}},
     0,
     {},
     true,
     true,
     1},
    /* 38 Adapa */ {{40, 72}, 1, 1, {{4, 8}}, 1, {{32, 26}}, 1, {{24, 24}}, true, true, 0},
    /* 39 Xiapas */
    {{48, 88},
     1,
     3,
     {{6, 18}, {6, 18}, {6, 18}},
     1,
     {{30, 30}},
     8,
     {{40, 40}, {40, 40}, {40, 40}, {40, 40}, {40, 40}, {40, 40}, {6, 10}, {12, 12}},
     false,
     true,
     2},
    /* 40 Birken */
    {{180, 208},
     1,
     4,
     {{12, 12}, {12, 12}, {12, 12}, {12, 12}},
     1,
     {{8, 18}},
     10,
     {{180, 208},
      {180, 208},
      {180, 208},
      {180, 208},
      {180, 208},
      {180, 208},
      {180, 208},
      {180, 208},
      {180, 208},
      {180, 208}},
     true,
     true,
     0},
};

// The large shop picture of every type fits inside the card frame's window,
// below the price plate (cards are 268 x 236, the picture centred 118 down).
inline constexpr PictureSize kBigPictureMax = {228, 168};

}  // namespace qw2media
