// Loading the game's pictures and sounds into the media tables.
#pragma once
#include <cstdint>

#include "platform/text.hpp"

// "incbin::data\gfx\" or "incbin::data\sfx\" followed by the file name.
Text GfxUrl(const Text& file);
Text SfxUrl(const Text& file);

// The four font images (before the start-up window draws).
void LoadFontImages();
// The start-up window's four images and the menu tick.
void LoadStartupWindowMedia();
void ReleaseStartupWindowMedia();
// Everything else, in the game's load order: images, ship and explosion
// media, sounds, the three channels and the six object lists.
void LoadGameMedia();
