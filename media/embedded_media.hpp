// The game's pictures and sounds, made at build time by qw2_media_gen and
// linked into the program.
#pragma once

// Registers all 456 embedded files under their names ("data\gfx\black.png",
// "data\sfx\tick.wav", ...) with RegisterEmbeddedFile.
void RegisterEmbeddedMedia();

// The number of files RegisterEmbeddedMedia registers.
int EmbeddedMediaFileCount();
