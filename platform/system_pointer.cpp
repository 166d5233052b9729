// The pointer's place from the window system's own events. An X pointer
// event carries the pointer's desktop position beside its window position,
// so it tells where the window stood when the event was made, even when the
// game has moved the window since. Kept apart for the X headers' macros.
#include <SDL.h>
#include <SDL_syswm.h>

#include "platform/platform_internal.hpp"

namespace platform_detail {

bool SystemPointerEvent(const void* sdlEvent, int32_t& windowX, int32_t& windowY, int32_t& desktopX,
                        int32_t& desktopY) {
  const SDL_Event& e = *static_cast<const SDL_Event*>(sdlEvent);
  if (e.type != SDL_SYSWMEVENT || !e.syswm.msg) return false;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (e.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& x = e.syswm.msg->msg.x11.event;
  // Only the open window's own: events of a window closed just before still
  // come in after it.
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  SDL_Window* window = static_cast<SDL_Window*>(SdlWindowHandle());
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11 ||
      info.info.x11.window != x.xany.window)
    return false;
  switch (x.type) {
    case MotionNotify:
      windowX = x.xmotion.x;
      windowY = x.xmotion.y;
      desktopX = x.xmotion.x_root;
      desktopY = x.xmotion.y_root;
      return true;
    case ButtonPress:
    case ButtonRelease:
      windowX = x.xbutton.x;
      windowY = x.xbutton.y;
      desktopX = x.xbutton.x_root;
      desktopY = x.xbutton.y_root;
      return true;
    case EnterNotify:
    case LeaveNotify:
      windowX = x.xcrossing.x;
      windowY = x.xcrossing.y;
      desktopX = x.xcrossing.x_root;
      desktopY = x.xcrossing.y_root;
      return true;
    default:
      return false;
  }
#else
  return false;
#endif
}

}  // namespace platform_detail
