// Shot pictures and the ship types' extra pictures.
#pragma once
#include "media/gen/image.hpp"
#include "media/media_sizes.hpp"

namespace gen {

using PictureSizeRef = const qw2media::PictureSize&;

// variant 1 primary weapon, 2 secondary weapon, 3 special; k from 1. The
// picture has exactly the size of the size table.
Image WeaponPicture(int type, int variant, int k);

}  // namespace gen
