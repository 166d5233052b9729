// The replay files on disk: listing, packing and unpacking.
#pragma once
#include <cstdint>

#include "match/shell_tables.hpp"  // replayNames, maxListedReplays
#include "platform/text.hpp"

constexpr int32_t replayMagic = 4324;
extern const Text replayFolder;  // "data\replays"

// Fills replayNames with the ".rep" entries of the replay folder.
int32_t ListReplayFiles();
// Packs the source file into a replay file (".rep" appended unless there).
int32_t CompressToReplay(const Text& source, const Text& destination);
// Unpacks a replay file; a file without the replay magic writes nothing.
int32_t DecompressReplay(const Text& source, const Text& destination);
