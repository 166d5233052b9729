// The list of generated media files and the makers of each group.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/gen/image.hpp"

namespace gen {

struct MediaFile {
  std::string name;  // as registered after "data\": "gfx\ship1_1.png", "sfx\tick.wav"
  std::function<std::vector<uint8_t>()> make;
};

using MediaList = std::vector<MediaFile>;

// Mask colours the loaders use.
inline const Col kMagenta = {1, 0, 1, 1};
inline const Col kWhite = {1, 1, 1, 1};
inline const Col kGreenMask = {0, 1, 0, 1};
inline const Col kBlack = {0, 0, 0, 1};

void AddFontFiles(MediaList& list);
void AddShipFiles(MediaList& list);
void AddEffectFiles(MediaList& list);
void AddScreenFiles(MediaList& list);
void AddSoundFiles(MediaList& list);

// The three music pieces as Ogg Vorbis: "menu.ogg", "shipshop.ogg", "ingame.ogg".
struct MusicFile {
  std::string name;
  std::function<std::vector<uint8_t>()> make;
};
std::vector<MusicFile> MusicFiles();
// A piece rendered to mono samples at 44100 Hz, for review ("menu", "shop", "game").
std::vector<float> MusicPreview(const std::string& which);

MediaList AllMediaFiles();

// Shared by several groups: renders a ship picture at a scale.
Image RenderShipPicture(int type, int bodyFrame, float scale, bool detailed);
// Only the engines, guns, canopy and lamps of a ship's body picture.
Image RenderShipDetails(int type, int bodyFrame);

}  // namespace gen
