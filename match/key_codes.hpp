// The key codes the screens and text entry test by name (Windows
// virtual-key numbers, as KeyPressed and IsKeyHeld take them). Kept here,
// below the shell, beside optionTable and the key-name table, which hold key
// codes of the same numbering.
#pragma once
#include <cstdint>

constexpr int32_t KEY_BACKSPACE = 8;
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_SPACE = 32;
constexpr int32_t KEY_LEFT = 37;
constexpr int32_t KEY_UP = 38;
constexpr int32_t KEY_RIGHT = 39;
constexpr int32_t KEY_DOWN = 40;
constexpr int32_t KEY_DELETE = 46;
constexpr int32_t KEY_N = 78;
constexpr int32_t KEY_Y = 89;
constexpr int32_t KEY_LEFT_SHIFT = 160;
constexpr int32_t KEY_RIGHT_SHIFT = 161;
