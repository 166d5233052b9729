// The OpenGL renderer: one texture per image frame, made per display from
// the pixels the images keep in memory, drawn as quads by the same rules as
// the software renderer. The picture is drawn at the game's size into a
// texture of its own and scaled into the window when shown, as the software
// renderer's picture is; without framebuffer objects it is drawn straight
// into the window's letterbox.
#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "platform/draw.hpp"
#include "platform/platform_internal.hpp"

namespace platform_detail {
namespace {

SDL_GLContext context = nullptr;
int32_t logicalW = 0, logicalH = 0;
int32_t viewX = 0, viewY = 0, viewW = 0, viewH = 0, windowW = 0, windowH = 0;

// The picture at the game's size: a framebuffer object and its texture.
struct FramebufferCalls {
  PFNGLGENFRAMEBUFFERSPROC gen = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC remove = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bind = nullptr;
  PFNGLFRAMEBUFFERTEXTURE2DPROC attach = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC status = nullptr;
};
FramebufferCalls fb;
GLuint pictureFramebuffer = 0;
GLuint pictureTexture = 0;
struct GlTexture {
  GLuint name = 0;
  int32_t filterMode = 0;  // 0 nearest, 1 smoothed, 2 smoothed from mipmaps
};
std::map<std::pair<uint64_t, int32_t>, GlTexture> textures;
int32_t currentBlend = -1;

GlTexture& TextureFor(const ImageData& image, int32_t frame) {
  auto key = std::make_pair(image.serial, frame);
  auto it = textures.find(key);
  if (it != textures.end()) return it->second;
  GLuint tex = 0;
  glGenTextures(1, &tex);
  glBindTexture(GL_TEXTURE_2D, tex);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  const std::vector<ImageLevel>& levels = image.frames[size_t(frame)];
  bool filtered = (image.flags & IMAGE_FILTERED) != 0;
  bool mipmapped = filtered && (image.flags & IMAGE_MIPMAPPED) && levels.size() > 1;
  for (size_t i = 0; i < (mipmapped ? levels.size() : 1); ++i)
    glTexImage2D(GL_TEXTURE_2D, GLint(i), GL_RGBA8, levels[i].width, levels[i].height, 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, levels[i].pixels.data());
  if (mipmapped)
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(levels.size() - 1));
  else
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  GlTexture& entry = textures[key];
  entry.name = tex;
  return entry;
}

// Smoothed only when enlarged (shrunk in no direction), or when shrunk and mipmapped, as the
// software renderer does; at scale 1 the nearest texel shows.
void ApplyFilter(GlTexture& tex, const ImageData& image, const DrawParams& p) {
  double minScale = std::min(std::fabs(p.scaleX), std::fabs(p.scaleY));
  double maxScale = std::max(std::fabs(p.scaleX), std::fabs(p.scaleY));
  bool filtered = (image.flags & IMAGE_FILTERED) != 0;
  bool mipmapped = filtered && (image.flags & IMAGE_MIPMAPPED) && image.frames[0].size() > 1;
  int32_t mode = !filtered                             ? 0
                 : (minScale >= 1.0 && maxScale > 1.0) ? 1
                 : (minScale < 1.0 && mipmapped)       ? 2
                                                       : 0;
  if (mode == tex.filterMode) return;
  tex.filterMode = mode;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mode ? GL_LINEAR : GL_NEAREST);
  // Drawn straight into a window smaller than the game, an enlarged image is
  // shrunk again: smoothed then too, as the software picture is smoothed
  // before it is scaled.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  mode == 2 ? GL_LINEAR_MIPMAP_NEAREST : (mode == 1 ? GL_LINEAR : GL_NEAREST));
}

void ApplyBlend(int32_t blend) {
  if (blend == currentBlend) return;
  currentBlend = blend;
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_BLEND);
  switch (blend) {
    case BLEND_MASK:
      glEnable(GL_ALPHA_TEST);
      glAlphaFunc(GL_GEQUAL, 0.5f);
      break;
    case BLEND_ALPHA:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case BLEND_ADD:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      break;
    case BLEND_MULTIPLY:
      glEnable(GL_BLEND);
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      break;
    default:
      break;
  }
}

bool LoadFramebufferCalls() {
  // The core names, else those of the older extension (the same calls).
  const char* suffix = nullptr;
  if (SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object"))
    suffix = "";
  else if (SDL_GL_ExtensionSupported("GL_EXT_framebuffer_object"))
    suffix = "EXT";
  if (!suffix) return false;
  auto load = [&](const char* name) {
    return SDL_GL_GetProcAddress((std::string(name) + suffix).c_str());
  };
  fb.gen = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(load("glGenFramebuffers"));
  fb.remove = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(load("glDeleteFramebuffers"));
  fb.bind = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(load("glBindFramebuffer"));
  fb.attach = reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(load("glFramebufferTexture2D"));
  fb.status = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(load("glCheckFramebufferStatus"));
  return fb.gen && fb.remove && fb.bind && fb.attach && fb.status;
}

void StopPicture() {
  if (pictureFramebuffer) {
    fb.bind(GL_FRAMEBUFFER, 0);
    fb.remove(1, &pictureFramebuffer);
  }
  if (pictureTexture) glDeleteTextures(1, &pictureTexture);
  pictureFramebuffer = pictureTexture = 0;
}

bool StartPicture() {
  if (!LoadFramebufferCalls()) return false;
  // Errors of earlier calls would count against the picture.
  for (int32_t i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
  }
  glGenTextures(1, &pictureTexture);
  glBindTexture(GL_TEXTURE_2D, pictureTexture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, logicalW, logicalH, 0, GL_BGRA,
               GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  fb.gen(1, &pictureFramebuffer);
  fb.bind(GL_FRAMEBUFFER, pictureFramebuffer);
  fb.attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, pictureTexture, 0);
  if (glGetError() != GL_NO_ERROR || fb.status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    StopPicture();
    return false;
  }
  return true;
}

// Where the game's drawing goes: the whole picture, or the window's letterbox.
void AimAtPicture() {
  if (pictureFramebuffer) {
    fb.bind(GL_FRAMEBUFFER, pictureFramebuffer);
    glViewport(0, 0, logicalW, logicalH);
    glDisable(GL_SCISSOR_TEST);
  } else {
    // GL counts rows from the bottom.
    glViewport(viewX, windowH - viewY - viewH, viewW, viewH);
    glScissor(viewX, windowH - viewY - viewH, viewW, viewH);
  }
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, logicalW, logicalH, 0.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace

bool GlStart(int32_t logicalWidth, int32_t logicalHeight) {
  auto* window = static_cast<SDL_Window*>(SdlWindowHandle());
  if (!window) return false;
  context = SDL_GL_CreateContext(window);
  if (!context) return false;
  SDL_GL_MakeCurrent(window, context);
  logicalW = logicalWidth;
  logicalH = logicalHeight;
  currentBlend = -1;
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  StartPicture();
  AimAtPicture();
  return true;
}

void GlStop() {
  if (!context) return;
  StopPicture();
  for (auto& entry : textures) glDeleteTextures(1, &entry.second.name);
  textures.clear();
  SDL_GL_DeleteContext(context);
  context = nullptr;
}

void GlSetViewport(int32_t winW, int32_t winH, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!context) return;
  windowW = winW;
  windowH = winH;
  viewX = x;
  viewY = y;
  viewW = w;
  viewH = h;
  AimAtPicture();
}

void GlClear(uint32_t rgb) {
  if (!context) return;
  if (!pictureFramebuffer) {
    // The bars, then the picture's own part.
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
  }
  glClearColor(((rgb >> 16) & 0xff) / 255.0f, ((rgb >> 8) & 0xff) / 255.0f, (rgb & 0xff) / 255.0f,
               1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void GlPresent() {
  auto* window = static_cast<SDL_Window*>(SdlWindowHandle());
  if (!context || !window) return;
  if (!pictureFramebuffer) {
    SDL_GL_SwapWindow(window);
    return;
  }
  // The picture into the window's letterbox, black bars around it; smoothed
  // when scaled, as the software renderer's picture is.
  fb.bind(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, windowW, windowH);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glViewport(viewX, windowH - viewY - viewH, viewW, viewH);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  currentBlend = -1;
  glBindTexture(GL_TEXTURE_2D, pictureTexture);
  GLint filter = (viewW == logicalW && viewH == logicalH) ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glColor4ub(255, 255, 255, 255);
  glBegin(GL_QUADS);
  glTexCoord2d(0, 0);
  glVertex2d(0, 0);
  glTexCoord2d(1, 0);
  glVertex2d(1, 0);
  glTexCoord2d(1, 1);
  glVertex2d(1, 1);
  glTexCoord2d(0, 1);
  glVertex2d(0, 1);
  glEnd();
  SDL_GL_SwapWindow(window);
  AimAtPicture();
}

void GlDraw(const ImageData& image, int32_t frame, double x, double y, const DrawParams& p) {
  if (!context) return;
  if (p.blend < BLEND_MASK || p.blend > BLEND_MULTIPLY) return;
  // What the software renderer leaves out, so no driver draws stray shapes.
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(p.cosA) || !std::isfinite(p.sinA))
    return;
  if (!(p.scaleX != 0.0 && p.scaleY != 0.0 && std::isfinite(p.scaleX) && std::isfinite(p.scaleY)))
    return;
  GlTexture& tex = TextureFor(image, frame);
  glBindTexture(GL_TEXTURE_2D, tex.name);
  ApplyFilter(tex, image, p);
  ApplyBlend(p.blend);
  glColor4ub(GLubyte(p.red), GLubyte(p.green), GLubyte(p.blue), GLubyte(p.alphaByte));
  const double c = p.cosA, s = p.sinA;
  const double w = image.frameWidth, h = image.frameHeight;
  glBegin(GL_QUADS);
  for (int32_t k = 0; k < 4; ++k) {
    // Corners in order (0,0), (1,0), (1,1), (0,1).
    double tu = (k == 1 || k == 2) ? 1.0 : 0.0;
    double tv = (k >= 2) ? 1.0 : 0.0;
    double px = tu * w - image.anchorX, py = tv * h - image.anchorY;
    glTexCoord2d(tu, tv);
    glVertex2d(x + px * c * p.scaleX - py * s * p.scaleY,
               y + px * s * p.scaleX + py * c * p.scaleY);
  }
  glEnd();
}

std::vector<uint32_t> GlReadBack() {
  std::vector<uint32_t> out;
  if (!context || viewW <= 0 || viewH <= 0) return out;
  if (pictureFramebuffer) {
    std::vector<uint32_t> raw(size_t(logicalW) * logicalH);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, logicalW, logicalH, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, raw.data());
    out.resize(raw.size());
    for (int32_t y = 0; y < logicalH; ++y)
      for (int32_t x = 0; x < logicalW; ++x)
        out[size_t(y) * logicalW + x] = raw[size_t(logicalH - 1 - y) * logicalW + x] & 0xffffff;
    return out;
  }
  std::vector<uint32_t> raw(size_t(viewW) * viewH);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadBuffer(GL_BACK);
  glReadPixels(viewX, windowH - viewY - viewH, viewW, viewH, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
               raw.data());
  out.resize(size_t(logicalW) * logicalH);
  for (int32_t y = 0; y < logicalH; ++y) {
    int32_t sy = viewH - 1 - int32_t(int64_t(y) * viewH / logicalH);
    for (int32_t x = 0; x < logicalW; ++x) {
      int32_t sx = int32_t(int64_t(x) * viewW / logicalW);
      out[size_t(y) * logicalW + x] = raw[size_t(sy) * viewW + sx] & 0xffffff;
    }
  }
  return out;
}

}  // namespace platform_detail
