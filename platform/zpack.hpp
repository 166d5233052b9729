// zlib's one-call packing, for the replay files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// compress at the default level into a buffer of 'capacity' bytes; the
// packed bytes (empty when they do not fit).
std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size, size_t capacity);
// uncompress into a buffer of 'unpackedSize' bytes; the bytes produced
// (what zlib reports, possibly fewer, empty on a damaged stream).
std::vector<uint8_t> UnpackBytes(const uint8_t* data, size_t size, size_t unpackedSize);
