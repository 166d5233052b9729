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
  auto take = [&](const auto& pointerEvent) {
    windowX = pointerEvent.x;
    windowY = pointerEvent.y;
    desktopX = pointerEvent.x_root;
    desktopY = pointerEvent.y_root;
    return true;
  };
  switch (x.type) {
    case MotionNotify:
      return take(x.xmotion);
    case ButtonPress:
    case ButtonRelease:
      return take(x.xbutton);
    case EnterNotify:
    case LeaveNotify:
      return take(x.xcrossing);
    default:
      return false;
  }
#else
  return false;
#endif
}

}  // namespace platform_detail
