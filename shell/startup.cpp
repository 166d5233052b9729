// Start-up: the start-up window, the display, the star field and the loading screens.
#include "shell/startup.hpp"

#include "catalogue/explosions.hpp"
#include "catalogue/ships.hpp"
#include "match/bitmap_text.hpp"
#include "match/collision.hpp"
#include "match/input_edges.hpp"
#include "match/key_codes.hpp"
#include "match/media_tables.hpp"
#include "match/shell_tables.hpp"
#include "platform/display.hpp"
#include "platform/draw.hpp"
#include "platform/fsound.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "platform/sound.hpp"
#include "platform/system.hpp"
#include "platform/timing.hpp"
#include "platform/winplace.hpp"
#include "shell/frame_internal.hpp"
#include "shell/media_load.hpp"
#include "shell/startup_tables.hpp"

int32_t startupChoice = 0;
int32_t graphicsDriverChoice = 0;
int32_t startupHovered = 0;
int32_t screenModeError = 0;
int32_t startupWindowHandle = 0;
int32_t startupWindowX = 0, startupWindowY = 0;
int32_t startupDragActive = 0, startupDragX = 0, startupDragY = 0;
int32_t loadingLevel = 0;

namespace {

const Text startupTitle = u"Quorvex Wexlor 2 - Startup Menu";

struct StartupItem {
  int32_t x, y, w, h;
};
// The items, numbered as their startupHover entries.
constexpr int32_t ITEM_RUN_GAME = 1, ITEM_GRAPHICS_DRIVER = 2, ITEM_QUIT = 3, ITEM_CLOSE_BOX = 4;
// startupChoice.
constexpr int32_t CHOICE_OPEN = 0, CHOICE_RUN_GAME = 1, CHOICE_QUIT = 3;
const StartupItem startupItems[5] = {
    {0, 0, 0, 0}, {65, 174, 350, 37}, {65, 224, 350, 37}, {65, 304, 350, 37}, {457, 6, 17, 17}};

void CentreStartupWindow() {
  startupWindowHandle = FindWindowA(nullptr, TextToBytes(startupTitle).c_str());
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  GetWindowRect(GetDesktopWindow(), left, top, right, bottom);
  startupWindowX = right / 2 - 240;
  startupWindowY = bottom / 2 - 180;
  SetWindowPos(startupWindowHandle, HWND_NOTOPMOST_, startupWindowX, startupWindowY, 0, 0,
               SWP_NOSIZE_);
  ShowWindow(startupWindowHandle, SW_SHOW_);
  MovePointerTo(240, 180);
}

void ItemColour(int32_t item) {
  if (startupHover[item] == 1) {
    SetDrawColour(0, 255, 0);
  } else {
    SetDrawColour(0, 150, 0);
  }
}

}  // namespace

void StartupWindowPass() {
  PollInput();
  startupHovered = 0;
  for (int32_t item = ITEM_RUN_GAME; item <= ITEM_CLOSE_BOX; ++item) {
    const StartupItem& box = startupItems[item];
    if (BoxesOverlap(box.x, box.y, box.w, box.h, PointerX(), PointerY(), 1, 1) == 0) {
      startupHover[item] = 0;
      continue;
    }
    startupHovered = 1;
    startupHover[item] = 1;
    if (MousePressed(1) != 1) continue;
    switch (item) {
      case ITEM_RUN_GAME:
        PlaySoundOnChannel(tickSound, 0);
        startupChoice = CHOICE_RUN_GAME;
        if (DisplayModeAvailable(1280, 1024, 32, 0) == 0) {
          startupChoice = CHOICE_OPEN;
          screenModeError = 1;
        }
        break;
      case ITEM_GRAPHICS_DRIVER:
        PlaySoundOnChannel(tickSound, 0);
        graphicsDriverChoice = graphicsDriverChoice == 0 ? 1 : 0;
        break;
      case ITEM_QUIT:
        PlaySoundOnChannel(tickSound, 0);
        startupChoice = CHOICE_QUIT;
        break;
      default:
        startupChoice = CHOICE_QUIT;
        break;
    }
  }
  if (IsKeyHeld(KEY_ENTER)) startupHover[ITEM_CLOSE_BOX] = 0;
  if (KeyDown(KEY_ESCAPE) == 1) startupChoice = CHOICE_QUIT;

  int32_t screenX = 0, screenY = 0;
  GetCursorPos(screenX, screenY);
  if (screenX < startupWindowX || screenX > startupWindowX + 479 || screenY < startupWindowY ||
      screenY > startupWindowY + 359) {
    for (int32_t item = 1; item <= 5; ++item) startupHover[item] = 0;
  }

  if (startupHovered == 0 && MousePressed(1) == 1) {
    startupDragActive = 1;
    startupDragX = PointerX();
    startupDragY = PointerY();
  }
  if (startupDragActive == 1) {
    if (IsMouseButtonHeld(1)) {
      startupWindowX += PointerX() - startupDragX;
      startupWindowY += PointerY() - startupDragY;
      SetWindowPos(startupWindowHandle, HWND_NOTOPMOST_, startupWindowX, startupWindowY, 0, 0,
                   SWP_NOSIZE_);
    } else {
      startupDragActive = 0;
    }
  }

  DrawStartupWindow();
  PresentFrame();
  ClearBackBuffer();
}

void DrawStartupWindow() {
  TileViewportWithImage(startBackImage, 0, 0, 0);
  DrawImageFrame(startBorderImage, 0, 0, 0);
  DrawImageFrame(tickerImage, 457, 6, startupHover[ITEM_CLOSE_BOX]);
  DrawImageFrame(startTitleImage, 240, 60, 0);
  ItemColour(ITEM_RUN_GAME);
  DrawTextSmall(240, 182, u"RUN GAME", 1);
  ItemColour(ITEM_GRAPHICS_DRIVER);
  DrawTextSmall(240, 232, u"GRAPHICS DRIVER", 1);
  ItemColour(ITEM_QUIT);
  DrawTextSmall(240, 312, u"Quit", 1);
  SetDrawColour(0, 255, 255);
  DrawTextSmall(240, 262, graphicsDriverChoice == 0 ? u"OpenGL" : u"Direct3D", 1);
  SetDrawColour(255, 255, 255);
  if (screenModeError == 1) {
    DrawTextFixed(8, 128, 255, 0, 0, u"Unable to set screen mode. Please make sure:");
    DrawTextFixed(8, 143, 255, 0, 0, u"-Your system supports 1280 x 1024 x 32");
    DrawTextFixed(8, 158, 255, 0, 0, u"-Your video card drivers are up to date");
    SetDrawColour(255, 255, 255);
  }
}

int32_t RunStartupWindow() {
  windowTitle = startupTitle;
  FSOUND_SetOutput(2);
  OpenDisplay(480, 360, 0, -1, 0);
  CentreStartupWindow();

  FillGlyphTables();
  LoadFontImages();
  LoadStartupWindowMedia();

  startupChoice = CHOICE_OPEN;
  while (startupChoice == CHOICE_OPEN) {
    StartupWindowPass();
    if (CloseRequested()) return 3;
  }
  if (startupChoice == CHOICE_QUIT) return 3;
  ReleaseStartupWindowMedia();
  return 1;
}

void OpenGameDisplay() {
  CloseDisplay();
  windowTitle = u"Quorvex Wexlor 2";
  SelectRenderer(graphicsDriverChoice == 0 ? OpenGLRenderer() : Direct3D7Renderer(), 2);
  OpenDisplay(1280, 1024, 32, 75, 0);
  frameTimer = StartTickTimer(75);
  FSOUND_Init(22100, 128, 0);
  HidePointer();
}

void MakeStarField() {
  SetRandomSeed(2475492);
  const int32_t stars[3] = {0, 33, 100};
  for (int32_t layer = 1; layer <= 2; ++layer) {
    for (int32_t star = 1; star <= stars[layer]; ++star) {
      starField[layer][star][1] = RandomIntInRange(1, 1280);
      starField[layer][star][2] = RandomIntInRange(1, 1024);
    }
  }
  SetRandomSeed(SystemMilliseconds());
}

void LoadingScreen(int32_t step) {
  do {
    WaitForTicks(frameTimer);
    loadingLevel += step;
    const float alpha = static_cast<float>(loadingLevel) / 100.0f;
    SetBlendMode(BLEND_ALPHA);
    SetDrawAlpha(alpha);
    SetDrawColour(255, 0, 0);
    DrawTextProp(640, 480, u"A GAME BY MORTASK", 1);
    SetDrawColour(255, 200, 100);
    DrawTextProp(640, 544, u"-PLEASE STAND BY-", 1);
    PresentFrame();
    ClearBackBuffer();
  } while (loadingLevel > 0 && loadingLevel < 100);
  // Back to the plain drawing state, so the next picture is not drawn with
  // the loading screen's colour and alpha.
  SetBlendMode(BLEND_MASK);
  SetDrawAlpha(1);
  SetDrawColour(255, 255, 255);
}

void ShellStartup(void (*registerMedia)()) {
  InitShipCatalogue();
  InitExplosionTypes();
  if (registerMedia != nullptr) registerMedia();
  if (RunStartupWindow() != 1) EndProgram();
  OpenGameDisplay();
  MakeStarField();
  SetUpTeamNames();
  LoadingScreen(2);
  SetUpStartupTables();
  LoadGameMedia();
  LoadingScreen(-2);
  fadePhase = FADE_IN;
}

void ResetStartup() {
  startupChoice = graphicsDriverChoice = startupHovered = screenModeError = 0;
  startupWindowHandle = startupWindowX = startupWindowY = 0;
  startupDragActive = startupDragX = startupDragY = 0;
  loadingLevel = 0;
}
