// The game's own fonts, pictures, sounds and star field, loaded into an open
// display as the start-up loads them, for tests that look at real pictures.
#pragma once
#include "match/bitmap_text.hpp"
#include "media/embedded_media.hpp"
#include "shell/media_load.hpp"
#include "shell/startup.hpp"

inline void LoadGamePictures() {
  RegisterEmbeddedMedia();
  FillGlyphTables();
  FillBigFontWidths();
  LoadFontImages();
  LoadGameMedia();
  MakeStarField();
}
