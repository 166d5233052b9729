// The game's own fonts, pictures, sounds and star field, loaded into an open
// display as the start-up loads them, for tests that look at real pictures.
#pragma once
#include "match/bitmap_text.hpp"
#include "media/embedded_media.hpp"
#include "shell/media_load.hpp"
#include "shell/startup.hpp"

// The fonts alone, for tests that only draw text.
inline void LoadGameFonts() {
  RegisterEmbeddedMedia();
  FillGlyphTables();
  FillBigFontWidths();
  LoadFontImages();
}

inline void LoadGamePictures() {
  LoadGameFonts();
  LoadGameMedia();
  MakeStarField();
}
