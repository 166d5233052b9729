// Files, streams, folders and memory banks.
//
// The game names files the Windows way ("data\replays\x.rep"); those names are
// mapped to this system's paths here and nowhere else. Every opener gives
// nullptr when it fails.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/text.hpp"

struct TStream;
using StreamRef = std::shared_ptr<TStream>;

constexpr int32_t PATH_NONE = 0;
constexpr int32_t PATH_FILE = 1;
constexpr int32_t PATH_FOLDER = 2;

// The system path of a game path: backslashes become slashes.
std::string NativePath(const Text& gamePath);

// A plain path, or "incbin::" and the name of a registered embedded file
// (embedded files are read-only).
StreamRef OpenStreamByUrl(const Text& url, bool readable, bool writable);
StreamRef OpenFileForRead(const Text& path);
// Creates or empties the file.
StreamRef OpenFileForWrite(const Text& path);
void CloseDataStream(const StreamRef& stream);

// Little-endian 32-bit values. Reading past the end raises a runtime error
// naming the stream.
int32_t ReadInt32(TStream& stream);
void WriteInt32(TStream& stream, int32_t value);
// count bytes, one code unit each.
Text ReadBytesAsText(TStream& stream, int32_t count);
// The low byte of each code unit.
void WriteTextBytes(TStream& stream, const Text& text);
bool StreamAtEnd(TStream& stream);
// Up to count bytes; the number actually read or written.
int32_t ReadStreamBytes(TStream& stream, uint8_t* into, int32_t count);
int32_t WriteStreamBytes(TStream& stream, const uint8_t* from, int32_t count);

// Little-endian 32-bit values in memory, the byte order of every game file.
void AppendInt32(std::vector<uint8_t>& bytes, int32_t value);
int32_t Int32At(const uint8_t* bytes);

// The whole of a file of at most maxSize bytes; false when the path is not
// a file, is larger, or cannot be read in full.
bool ReadFileBounded(const Text& path, size_t maxSize, std::vector<uint8_t>& bytes);
// What a read of one of the player's files found. A file that is there but
// cannot be read (an input/output or permission error, too many open files)
// is not a missing one: it must not be written over as if it were.
enum class FileRead { Whole, Absent, Failed };
// The first maxSize bytes of a file (all of a shorter one). Absent when
// nothing, or something that is not a file, stands under the name; Failed
// when the file could not be opened or read; bytes is then empty and reason
// (when given) tells why.
FileRead ReadFileStart(const Text& path, size_t maxSize, std::vector<uint8_t>& bytes,
                       std::string* reason = nullptr);

int32_t PathKind(const Text& path);
// -1 when the path is not a file.
int32_t FileByteSize(const Text& path);
bool RemoveFile(const Text& path);
bool RenameFile(const Text& from, const Text& to);
// Makes the renames and removals in the folder that holds the path lasting,
// so that a save already told as done survives a power cut.
bool SyncFolderOf(const Text& path);
bool MakeDirectory(const Text& path, bool recursive = false);
// Saves a whole file without ever damaging the one already there: the bytes
// go to ProcessTemporaryPath(path), made afresh whatever stood under that
// name (a link is never followed), every write, the flush and the close are
// checked, and only then does it take the place of the old file. On failure
// the old file is left as it was, the temporary file is removed, false is
// returned and reason (when given) tells why.
bool SaveWholeFile(const Text& path, const uint8_t* bytes, size_t size,
                   std::string* reason = nullptr);
// The ending of every temporary file.
constexpr const char16_t* saveTemporarySuffix = u".tmp";
// A temporary name of this process's own: the path, ".", the process id and
// ".tmp". SaveWholeFile writes there, so that two copies of the game saving
// one file at once never write into each other's file.
Text ProcessTemporaryPath(const Text& path);
// Whether a folder entry is a temporary file that nobody is still writing:
// base becomes the name it was made for. "NAME.tmp" (of earlier releases)
// is one; "NAME.<id>.tmp" is one unless another process of that id runs.
bool LeftoverTemporary(const Text& name, Text& base);
// An advisory lock on a folder: one copy of the game at a time changes the
// files in it that belong together. It waits up to the given time for
// another copy's lock, and is busy when that copy still holds it. A folder
// that cannot be opened or locked is taken as not busy. The lock ends with
// the object or the process.
class FolderLock {
 public:
  FolderLock(const Text& folder, int32_t waitMilliseconds);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool Busy() const { return busy_; }

 private:
  int fd_ = -1;
  bool busy_ = false;
};
// Tests: every file call a save makes, and every open and read of a file on
// disk, asks the hook first, with the system path it works on (for a rename,
// the old name). When the hook answers false the call fails as the system's
// would (an input/output error) without doing anything; a hook may also end
// the process there, as a kill would. The game sets none.
enum class FileCall { Open, Write, Flush, Sync, Close, Rename, Remove, SyncFolder, Read };
using FileCallHook = std::function<bool(FileCall call, const std::string& path)>;
void SetFileCallHook(FileCallHook hook);
// A write past the process's file-size limit then fails like one on a full
// disk, instead of ending the program.
void KeepRunningPastFileSizeLimit();
// The text after the last "." of the last path element, else empty.
Text PathExtension(const Text& path);

struct TDirectory {
  std::vector<Text> entries;
  size_t next = 0;
};
using DirectoryRef = std::shared_ptr<TDirectory>;
// The entry names in the system's order, without "." and ".."; nullptr when
// the folder cannot be read.
DirectoryRef ListDirectory(const Text& path);
void CloseDirectory(const DirectoryRef& dir);

struct TBank {
  std::vector<uint8_t> bytes;
};
using BankRef = std::shared_ptr<TBank>;
BankRef NewBank(int32_t size);
uint8_t* BankBytes(TBank& bank);
int32_t BankSize(const TBank& bank);
int32_t ReadStreamIntoBank(TStream& stream, TBank& bank, int32_t offset, int32_t count);
int32_t WriteBankToStream(TBank& bank, TStream& stream, int32_t offset, int32_t count);

// Embedded files, opened as "incbin::" followed by the name. The bytes are
// not copied and must live for the whole run.
void RegisterEmbeddedFile(const Text& name, const uint8_t* data, size_t size);
bool EmbeddedFileExists(const Text& name);
// The bytes of an embedded file, or nullptr.
const uint8_t* EmbeddedFileData(const Text& name, size_t* size);

// The whole content of a file or an embedded file: data points into the
// embedded bytes or into storage. False when it cannot be read.
bool ReadWholeUrl(const Text& url, std::vector<uint8_t>& storage, const uint8_t*& data,
                  size_t& size);

// Makes the folder of the running program the working directory.
void EnterProgramFolder();
