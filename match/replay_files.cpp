#include "match/replay_files.hpp"

#include <vector>

#include "platform/files.hpp"
#include "platform/maths.hpp"
#include "platform/system.hpp"
#include "platform/zpack.hpp"

const Text replayFolder = u"data\\replays";

int32_t ListReplayFiles() {
  int32_t n = 0;
  DirectoryRef dir = ListDirectory(replayFolder);
  if (dir) {
    for (const Text& entry : dir->entries) {
      if (LowerCaseText(TextTail(entry, 3)) != u"rep") continue;
      if (n >= maxListedReplays) break;  // the list holds 200 names at most
      ++n;
      int32_t keep = static_cast<int32_t>(entry.size()) - 4;
      replayNames[n] = keep > 0 ? TextHead(entry, keep) : Text();
    }
    CloseDirectory(dir);
  }
  replayNames[0] = IntToText(n);
  return 0;
}

static Text Quoted(const Text& path) { return JoinText(u"\"", path, u"\""); }

int32_t CompressToReplay(const Text& source, const Text& destination) {
  Text target = destination;
  if (LowerCaseText(PathExtension(target)) != u"rep") target = JoinText(target, u".rep");
  StreamRef in = OpenStreamByUrl(source, true, false);
  if (!in) RaiseRuntimeError(JoinText(u"Couldn't open source file ", Quoted(source)));
  int32_t size = FileByteSize(source);
  if (size < 0) size = 0;
  std::vector<uint8_t> data(static_cast<size_t>(size));
  int32_t got = size > 0 ? ReadStreamBytes(*in, data.data(), size) : 0;
  data.resize(static_cast<size_t>(got < 0 ? 0 : got));
  CloseDataStream(in);
  // The single-precision 1.001 in extended precision, as the game sizes it.
  long double scaled = static_cast<long double>(size) * static_cast<long double>(1.001f);
  int32_t capacity = TruncateToInt(CeilingOf(static_cast<double>(scaled)) + 12.0);
  std::vector<uint8_t> packed =
      PackBytes(data.data(), data.size(), static_cast<size_t>(capacity < 0 ? 0 : capacity));
  StreamRef out = OpenStreamForWrite(target);
  if (!out) RaiseRuntimeError(JoinText(u"Couldn't create destination file ", Quoted(target)));
  WriteInt32(*out, replayMagic);
  WriteInt32(*out, size);
  WriteStreamBytes(*out, packed.data(), static_cast<int32_t>(packed.size()));
  CloseDataStream(out);
  return 0;
}

int32_t DecompressReplay(const Text& source, const Text& destination) {
  if (LowerCaseText(PathExtension(source)) != u"rep")
    RaiseRuntimeError(u"Source file is not a REP file");
  StreamRef in = OpenStreamByUrl(source, true, false);
  if (!in) RaiseRuntimeError(JoinText(u"Couldn't open source file ", Quoted(source)));
  int32_t fileSize = FileByteSize(source);
  std::vector<uint8_t> packed;
  int32_t unpackedSize = 0;
  bool ours = false;
  if (fileSize >= 4 && ReadInt32(*in) == replayMagic) {
    ours = true;
    unpackedSize = fileSize >= 8 ? ReadInt32(*in) : 0;
    int32_t rest = fileSize - 8;
    if (rest > 0) {
      packed.resize(static_cast<size_t>(rest));
      int32_t got = ReadStreamBytes(*in, packed.data(), rest);
      packed.resize(static_cast<size_t>(got < 0 ? 0 : got));
    }
  }
  CloseDataStream(in);
  if (!ours) return 0;
  // A size no replay can have is refused like a damaged stream: nothing comes out.
  constexpr int32_t kLargestReplayData = 8 + 160 * 45001;
  if (unpackedSize < 0 || unpackedSize > kLargestReplayData) unpackedSize = 0;
  std::vector<uint8_t> data =
      UnpackBytes(packed.data(), packed.size(), static_cast<size_t>(unpackedSize));
  StreamRef out = OpenStreamForWrite(destination);
  if (!out) RaiseRuntimeError(JoinText(u"Couldn't create destination file ", Quoted(destination)));
  WriteStreamBytes(*out, data.data(), static_cast<int32_t>(data.size()));
  CloseDataStream(out);
  return 0;
}
