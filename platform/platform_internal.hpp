// Shared inner state of the display, drawing, input and sound units (not for
// the game's own code).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform_detail {

// One frame of an image after the mask processing: 0xAARRGGBB, row by row,
// followed by its smaller levels when the image is mipmapped.
struct ImageLevel {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
  // The pixels inside a one-texel border that repeats the edges, for
  // filtering without clamping: (width + 2) x (height + 2).
  std::vector<uint32_t> padded;
};

struct ImageData {
  int32_t frameWidth = 0;
  int32_t frameHeight = 0;
  int32_t flags = 0;
  double anchorX = 0.0;
  double anchorY = 0.0;
  // frames[i][0] is the frame itself, [1..] its mipmap levels.
  std::vector<std::vector<ImageLevel>> frames;
  // Changes whenever the pixels do; the GL renderer keys its textures on it.
  uint64_t serial = 0;
};

ImageData* FindImage(int32_t handle);
void ReleaseAllImages();

// The drawing state as the renderers take it: values clamped.
struct DrawParams {
  int32_t red = 255, green = 255, blue = 255;
  int32_t alphaByte = 255;
  int32_t blend = 1;
  double rotation = 0.0;
  double cosA = 1.0, sinA = 0.0;
  double scaleX = 1.0, scaleY = 1.0;
};
const DrawParams& CurrentDrawParams();

struct SoftTarget {
  uint32_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
};
void SoftClear(SoftTarget& target, uint32_t rgb);
void SoftDraw(SoftTarget& target, const ImageData& image, int32_t frame, double x, double y,
              const DrawParams& params);

// The OpenGL renderer (gl_renderer.cpp).
bool GlStart(int32_t logicalWidth, int32_t logicalHeight);
void GlStop();
void GlSetViewport(int32_t windowWidth, int32_t windowHeight, int32_t x, int32_t y, int32_t w,
                   int32_t h);
void GlClear(uint32_t rgb);
// Shows the picture in the window's letterbox and swaps.
void GlPresent();
void GlDraw(const ImageData& image, int32_t frame, double x, double y, const DrawParams& params);
// The logical picture as 0x00RRGGBB, row by row from the top.
std::vector<uint32_t> GlReadBack();

// Display and window (display.cpp).
bool RealWindowOpen();
// Window pixel to game pixel and back.
void WindowToGame(int32_t wx, int32_t wy, int32_t& gx, int32_t& gy);
void GameToWindow(int32_t gx, int32_t gy, int32_t& wx, int32_t& wy);
void* SdlWindowHandle();
// The title the open display was given (windowTitle at the time it opened).
const std::u16string& OpenWindowTitle();
void WindowSizeChanged();
// Headless window placement.
void HeadlessWindowPosition(int32_t& x, int32_t& y);
void SetHeadlessWindowPosition(int32_t x, int32_t y);
// The desktop position of the open window when it is one the game can move
// (not full screen); false otherwise.
bool MovableWindowPlace(int32_t& x, int32_t& y);
constexpr int32_t HEADLESS_DESKTOP_WIDTH = 1920;
constexpr int32_t HEADLESS_DESKTOP_HEIGHT = 1080;

// Headless state (headless.cpp).
bool Headless();
void AdvanceVirtualClockTo(int64_t micros);
int64_t VirtualClockMicros();
void NoteFramePresented();
void LogAudioCall(const std::string& line);
bool HeadlessModeAvailable();
bool HeadlessClaimsVerticalSync();

// Input (input.cpp).
void InputKeyEvent(int32_t key, bool down);
void InputButtonEvent(int32_t button, bool down);
// The buttons really held (index 1 to 3) when some button event may have been
// lost; a button released by a focus change counts again only after it was let go.
void InputButtonsActuallyHeld(const bool held[4], bool overOurWindow);
void InputPointerEvent(int32_t gameX, int32_t gameY);
void InputWheelEvent(int32_t rawDelta);
void InputCloseEvent();
// A key event by SDL scancode; repeats are ignored.
void InputScancodeEvent(int32_t scancode, bool down, bool repeat, bool numLock);
// Handles one SDL event (the argument is an SDL_Event).
void InputHandleSdlEvent(const void* sdlEvent);
// A window system event of the pointer (an SDL_Event of type
// SDL_SYSWMEVENT): its position in the window and on the desktop.
bool SystemPointerEvent(const void* sdlEvent, int32_t& windowX, int32_t& windowY, int32_t& desktopX,
                        int32_t& desktopY);

// Sound (sound.cpp).
void ResetSoundChannels();

// PNG encoding for screenshots (images.cpp).
bool WritePng(const std::string& path, const uint32_t* xrgb, int32_t width, int32_t height);

}  // namespace platform_detail
