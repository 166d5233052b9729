#include "media/gen/media.hpp"

namespace gen {

MediaList AllMediaFiles() {
  MediaList list;
  AddFontFiles(list);
  AddScreenFiles(list);
  AddShipFiles(list);
  AddEffectFiles(list);
  AddSoundFiles(list);
  return list;
}

}  // namespace gen
