#include "match/replay_files.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/files.hpp"
#include "platform/maths.hpp"
#include "platform/zpack.hpp"

const Text replayFolder = u"data\\replays";
Text replayFileNames[maxListedReplays + 1];

// The packer's buffer: the single-precision 1.001 multiplied in extended
// precision, as the game sizes it.
int32_t PackedCapacity(int32_t size) {
  const long double scaled = static_cast<long double>(size) * static_cast<long double>(1.001f);
  return TruncateToInt(CeilingOf(static_cast<double>(scaled)) + 12.0);
}

const int32_t maxReplayFileSize = 8 + PackedCapacity(maxReplayDataSize);

int32_t ListReplayFiles() {
  // Each name with its lower-case form, which sorts it.
  std::vector<std::pair<Text, Text>> found;
  DirectoryRef dir = ListDirectory(replayFolder);
  if (dir) {
    for (const Text& entry : dir->entries) {
      if (entry.size() < 4 || LowerCaseText(TextTail(entry, 4)) != u".rep") continue;
      // A name with a backslash cannot be reached by the game's paths, and a
      // folder named like a replay is not one.
      if (entry.find(u'\\') != Text::npos) continue;
      if (PathKind(JoinText(replayFolder, u"\\", entry)) != PATH_FILE) continue;
      found.emplace_back(LowerCaseText(entry), entry);
    }
    CloseDirectory(dir);
  }
  // Alphabetical without regard to case, so the list reads the same, and the
  // same 200 are kept, whatever order the system lists the folder in.
  std::sort(found.begin(), found.end());
  const int32_t n = std::min(static_cast<int32_t>(found.size()), maxListedReplays);
  for (int32_t i = 1; i <= n; ++i) {
    const Text& entry = found[static_cast<size_t>(i - 1)].second;
    replayNames[i] = TextHead(entry, static_cast<int32_t>(entry.size()) - 4);
    replayFileNames[i] = entry;
  }
  replayNames[0] = IntToText(n);
  return 0;
}

bool CompressToReplay(const Text& source, const Text& destination) {
  if (LowerCaseText(PathExtension(destination)) == u"rep")
    return PackReplayFile(source, destination);
  return PackReplayFile(source, JoinText(destination, u".rep"));
}

bool PackReplayFile(const Text& source, const Text& target) {
  std::vector<uint8_t> data;
  if (!ReadFileBounded(source, maxReplayDataSize, data)) return false;
  const int32_t size = static_cast<int32_t>(data.size());
  std::vector<uint8_t> packed = PackBytes(data.data(), data.size(), PackedCapacity(size));
  if (packed.empty()) return false;
  std::vector<uint8_t> file;
  file.reserve(8 + packed.size());
  AppendInt32(file, replayMagic);
  AppendInt32(file, size);
  file.insert(file.end(), packed.begin(), packed.end());
  return SaveWholeFile(target, file.data(), file.size());
}

bool DecompressReplay(const Text& source, const Text& destination) {
  // A file left by an earlier start must never pass for this replay.
  RemoveFile(destination);
  if (LowerCaseText(PathExtension(source)) != u"rep") return false;
  // The sizes are checked before anything is allocated.
  const int32_t fileSize = FileByteSize(source);
  if (fileSize < 8 || fileSize > maxReplayFileSize) return false;
  std::vector<uint8_t> file;
  if (!ReadFileBounded(source, static_cast<size_t>(maxReplayFileSize), file)) return false;
  if (file.size() < 8 || Int32At(file.data()) != replayMagic) return false;
  const int32_t unpackedSize = Int32At(file.data() + 4);
  if (unpackedSize < 8 + 160 || unpackedSize > maxReplayDataSize || (unpackedSize - 8) % 160 != 0)
    return false;
  std::vector<uint8_t> data;
  if (!UnpackBytes(file.data() + 8, file.size() - 8, static_cast<size_t>(unpackedSize), data))
    return false;
  return SaveWholeFile(destination, data.data(), data.size());
}
