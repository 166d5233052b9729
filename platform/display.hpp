// The display: renderer choice, the start-up window and the full-screen game
// display, clearing and presenting.
//
// The game draws into a logical picture of the display's size (480 x 360 for
// the start-up window, 1280 x 1024 for the game). Where the monitor has no
// 1280 x 1024 mode the game is shown full screen at that logical size, scaled
// with its aspect kept and black bars; pointer positions are always logical.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

constexpr int32_t RENDERER_OPENGL = 1;
// The renderer the game calls Direct3D 7: here the software renderer.
constexpr int32_t RENDERER_SOFTWARE = 2;

int32_t OpenGLRenderer();
int32_t Direct3D7Renderer();
// Takes effect at the next OpenDisplay. flags is accepted as the game passes it.
void SelectRenderer(int32_t renderer, int32_t flags = 2);
int32_t SelectedRenderer();

// 1 when a display of that size can be shown (exactly, or scaled full screen).
int32_t DisplayModeAvailable(int32_t width, int32_t height, int32_t depth, int32_t hertz);

// depth 0 opens a window, otherwise full screen. hertz above 0 paces
// PresentFrame to that rate (75 for the game); -1 presents unpaced. Opening
// resets the drawing state (blend 1, colour white, alpha 1, clear colour
// black, mask colour black, rotation 0, scale 1, 1, default image flags 3).
// Returns 1 when the display opened.
int32_t OpenDisplay(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags);
void CloseDisplay();
bool DisplayIsOpen();
int32_t DisplayWidth();
int32_t DisplayHeight();

// Title of the next window opened.
extern Text windowTitle;

void SetClearColour(int32_t red, int32_t green, int32_t blue);
void ClearBackBuffer();
// Shows the back buffer. The full-screen display is paced to its rate: with
// vertical sync when the monitor runs at it, else by the layer's own timing.
// The software renderer's back buffer keeps its contents until
// ClearBackBuffer.
void PresentFrame();
// The refresh rate PresentFrame keeps (0 when unpaced).
int32_t PresentRate();
// True while the monitor's vertical sync paces PresentFrame.
bool PresentWaitsForVerticalSync();
