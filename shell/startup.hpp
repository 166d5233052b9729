// Start-up: everything between the program's first line and the first frame.
#pragma once
#include <cstdint>

// Start-up window state.
extern int32_t startupChoice;         // 0 open, 1 RUN GAME, 3 quit
extern int32_t graphicsDriverChoice;  // 0 "OpenGL", 1 "Direct3D"
extern int32_t startupHovered;
extern int32_t screenModeError;
extern int32_t startupWindowHandle;
extern int32_t startupWindowX, startupWindowY;
extern int32_t startupDragActive, startupDragX, startupDragY;
extern int32_t loadingLevel;

// The whole start-up, ending with the first fade-in requested; the program
// ends inside it when the start-up window is quit or closed. registerMedia
// makes the embedded pictures and sounds available.
void ShellStartup(void (*registerMedia)());

// The parts, in their order.
// Opens the start-up window and runs it; 1 for RUN GAME, 3 to quit (Quit,
// the close box, Escape or a close request).
int32_t RunStartupWindow();
// One pass of the start-up window's loop.
void StartupWindowPass();
void DrawStartupWindow();
// The full-screen display, the frame timer, the music library, the pointer hidden.
void OpenGameDisplay();
// The star field from its fixed seed; then the generator from the clock.
void MakeStarField();
// One loading screen: loadingLevel moves by step each timer tick until it
// reaches 100 or 0.
void LoadingScreen(int32_t step);
