#include "platform/zpack.hpp"

#include <zlib.h>

std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size, size_t capacity) {
  std::vector<uint8_t> out(capacity);
  uLongf length = static_cast<uLongf>(capacity);
  if (compress(out.data(), &length, data, static_cast<uLong>(size)) != Z_OK) length = 0;
  out.resize(length);
  return out;
}

bool UnpackBytes(const uint8_t* data, size_t size, size_t unpackedSize, std::vector<uint8_t>& out) {
  out.assign(unpackedSize, 0);
  uLongf length = static_cast<uLongf>(unpackedSize);
  const int result = uncompress(out.data(), &length, data, static_cast<uLong>(size));
  if (result != Z_OK || length != unpackedSize) {
    out.clear();
    return false;
  }
  return true;
}
