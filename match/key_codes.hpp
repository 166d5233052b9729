// The key codes the screens and text entry test by name (Windows
// virtual-key numbers, as KeyPressed and IsKeyHeld take them). Kept here,
// below the shell, beside optionTable and the key-name table, which hold key
// codes of the same numbering.
#pragma once
#include <cstdint>

constexpr int32_t KEY_BACKSPACE = 8;
constexpr int32_t KEY_TAB = 9;
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_SPACE = 32;
constexpr int32_t KEY_LEFT = 37;
constexpr int32_t KEY_UP = 38;
constexpr int32_t KEY_RIGHT = 39;
constexpr int32_t KEY_DOWN = 40;
constexpr int32_t KEY_DELETE = 46;
constexpr int32_t KEY_1 = 49;
constexpr int32_t KEY_A = 65;
constexpr int32_t KEY_D = 68;
constexpr int32_t KEY_F = 70;
constexpr int32_t KEY_G = 71;
constexpr int32_t KEY_I = 73;
constexpr int32_t KEY_J = 74;
constexpr int32_t KEY_K = 75;
constexpr int32_t KEY_L = 76;
constexpr int32_t KEY_N = 78;
constexpr int32_t KEY_O = 79;
constexpr int32_t KEY_P = 80;
constexpr int32_t KEY_Q = 81;
constexpr int32_t KEY_R = 82;
constexpr int32_t KEY_T = 84;
constexpr int32_t KEY_W = 87;
constexpr int32_t KEY_Y = 89;
constexpr int32_t KEY_LEFT_SHIFT = 160;
constexpr int32_t KEY_RIGHT_SHIFT = 161;
constexpr int32_t KEY_RIGHT_CONTROL = 163;
constexpr int32_t KEY_OEM_MINUS = 189;
// The key right of P: "Å" on the game's Swedish keyboard, "]" on a US one.
constexpr int32_t KEY_OEM_6 = 221;
