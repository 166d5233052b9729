// The replay files on disk: listing, packing and unpacking.
#pragma once
#include <cstdint>

#include "match/match_tables.hpp"  // maxReplayFrames
#include "match/shell_tables.hpp"  // replayNames, maxListedReplays
#include "platform/text.hpp"

constexpr int32_t replayMagic = 4324;
extern const Text replayFolder;  // "data\replays"

// The largest replay data file (frames 0 to 45000) and the largest replay
// file that can hold it: anything larger is damaged and is not read.
constexpr int32_t maxReplayDataSize = 8 + 160 * (maxReplayFrames + 1);
int32_t PackedCapacity(int32_t size);
extern const int32_t maxReplayFileSize;

// The file name of each listed replay ([1..count], beside replayNames): the
// entry as the folder holds it, so that the browser opens and deletes
// exactly the file it listed whatever the letter case of its ".rep".
extern Text replayFileNames[maxListedReplays + 1];

// Fills replayNames and replayFileNames with the files of the replay folder
// whose names end in ".rep" in any letter case, alphabetically without
// regard to case (the first 200 of them).
int32_t ListReplayFiles();
// Packs the source file into a replay file (".rep" appended unless there).
// The replay file is written whole under a temporary name and renamed, so a
// replay of that name is only ever replaced complete. False when nothing
// was written.
bool CompressToReplay(const Text& source, const Text& destination);
// CompressToReplay's packing, into exactly the target path.
bool PackReplayFile(const Text& source, const Text& target);
// Unpacks a replay file. The destination is removed first, and written only
// when the file holds the replay magic, a possible size and a stream that
// unpacks to exactly that size. False when nothing was written.
bool DecompressReplay(const Text& source, const Text& destination);
