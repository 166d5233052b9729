// zlib's one-call packing, for the replay files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// compress at the default level into a buffer of 'capacity' bytes; the
// packed bytes (empty when they do not fit).
std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size, size_t capacity);
// uncompress into a buffer of 'unpackedSize' bytes. True only when zlib
// reports success with exactly that many bytes produced; 'out' holds them.
bool UnpackBytes(const uint8_t* data, size_t size, size_t unpackedSize, std::vector<uint8_t>& out);
