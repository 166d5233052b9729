// Keyboard, mouse and window events, polled. Every query first handles the
// waiting window events.
//
// Keys are Windows virtual-key codes 1 to 255 mapped from the physical keys.
// Left and right Shift, Control and Alt are 160 to 165 and never 16, 17 or
// 18; mouse buttons are never key codes; auto-repeat gives no new key-down.
// When the window loses or gains focus every key and button counts as
// released and the wheel returns to 0.
#pragma once
#include <cstdint>

bool IsKeyHeld(int32_t key);
// 1 left, 2 right, 3 middle.
bool IsMouseButtonHeld(int32_t button);
// Whether the key or button went down since the last call for it (the call
// clears it), so a press let go again before anyone looked is seen once.
// Handles no events itself: ask right after IsKeyHeld or IsMouseButtonHeld.
bool TakeKeyWentDown(int32_t key);
bool TakeMouseButtonWentDown(int32_t button);
// In game pixels.
int32_t PointerX();
int32_t PointerY();
// The running sum of wheel movements, each divided by 120 toward zero.
int32_t WheelPosition();
// True once the window was asked to close.
bool CloseRequested();
void MovePointerTo(int32_t x, int32_t y);
void HidePointer();

// Handles the waiting window events (the queries call it themselves).
void PumpWindowEvents();
// Every key and button released, wheel 0 (as on a focus change).
void ReleaseAllInput();
// Drops all input state and a pending close request (tests, display changes).
void ResetInput();

// The key code of an SDL scancode given the Num Lock state; 0 for none.
int32_t KeyCodeForScancode(int32_t scancode, bool numLock);
