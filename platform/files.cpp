#include "platform/files.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

#include "platform/system.hpp"

struct TStream {
  Text name;
  // A file on disk...
  std::FILE* file = nullptr;
  // ...or an embedded file in memory (read-only).
  const uint8_t* memory = nullptr;
  size_t memorySize = 0;
  size_t memoryPos = 0;
  bool readable = false;
  bool writable = false;
};

namespace {

const Text kIncbinPrefix = u"incbin::";

struct EmbeddedFile {
  const uint8_t* data;
  size_t size;
};

std::map<Text, EmbeddedFile>& EmbeddedFiles() {
  static std::map<Text, EmbeddedFile> files;
  return files;
}

bool HasIncbinPrefix(const Text& url) {
  return url.size() >= kIncbinPrefix.size() &&
         url.compare(0, kIncbinPrefix.size(), kIncbinPrefix) == 0;
}

FileCallHook& Hook() {
  static FileCallHook hook;
  return hook;
}

// False, with errno set, when the test's hook fails the call.
bool Allowed(FileCall call, const std::string& path) {
  if (!Hook() || Hook()(call, path)) return true;
  errno = EIO;
  return false;
}

[[noreturn]] void StreamReadError(const TStream& stream) {
  RaiseRuntimeError(JoinText(u"Error reading from stream \"", stream.name, u"\""));
}

}  // namespace

std::string NativePath(const Text& gamePath) {
  std::string path = TextToBytes(gamePath);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

void RegisterEmbeddedFile(const Text& name, const uint8_t* data, size_t size) {
  EmbeddedFiles()[name] = EmbeddedFile{data, size};
}

bool EmbeddedFileExists(const Text& name) { return EmbeddedFiles().count(name) != 0; }

const uint8_t* EmbeddedFileData(const Text& name, size_t* size) {
  Text key = HasIncbinPrefix(name) ? name.substr(kIncbinPrefix.size()) : name;
  auto it = EmbeddedFiles().find(key);
  if (it == EmbeddedFiles().end()) {
    if (size) *size = 0;
    return nullptr;
  }
  if (size) *size = it->second.size;
  return it->second.data;
}

StreamRef OpenStreamByUrl(const Text& url, bool readable, bool writable) {
  if (!readable && !writable) return nullptr;
  auto stream = std::make_shared<TStream>();
  stream->name = url;
  stream->readable = readable;
  stream->writable = writable;
  if (HasIncbinPrefix(url)) {
    if (writable) return nullptr;
    size_t size = 0;
    const uint8_t* data = EmbeddedFileData(url, &size);
    if (!data) return nullptr;
    stream->memory = data;
    stream->memorySize = size;
    return stream;
  }
  std::string path = NativePath(url);
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return nullptr;
  if (!Allowed(FileCall::Open, path)) return nullptr;
  const char* mode = writable ? (readable ? "r+b" : "wb") : "rb";
  stream->file = std::fopen(path.c_str(), mode);
  if (!stream->file) return nullptr;
  return stream;
}

StreamRef OpenFileForRead(const Text& path) { return OpenStreamByUrl(path, true, false); }
StreamRef OpenFileForWrite(const Text& path) { return OpenStreamByUrl(path, false, true); }

void CloseDataStream(const StreamRef& stream) {
  if (!stream) return;
  if (stream->file) {
    std::fclose(stream->file);
    stream->file = nullptr;
  }
  stream->memory = nullptr;
  stream->memorySize = stream->memoryPos = 0;
  stream->readable = stream->writable = false;
}

int32_t ReadStreamBytes(TStream& stream, uint8_t* into, int32_t count) {
  if (count <= 0 || !stream.readable) return 0;
  if (stream.memory) {
    size_t left = stream.memorySize - stream.memoryPos;
    size_t n = static_cast<size_t>(count) < left ? static_cast<size_t>(count) : left;
    std::memcpy(into, stream.memory + stream.memoryPos, n);
    stream.memoryPos += n;
    return static_cast<int32_t>(n);
  }
  if (!stream.file || !Allowed(FileCall::Read, NativePath(stream.name))) return 0;
  return static_cast<int32_t>(std::fread(into, 1, static_cast<size_t>(count), stream.file));
}

int32_t WriteStreamBytes(TStream& stream, const uint8_t* from, int32_t count) {
  if (count <= 0 || !stream.writable || !stream.file) return 0;
  return static_cast<int32_t>(std::fwrite(from, 1, static_cast<size_t>(count), stream.file));
}

bool StreamAtEnd(TStream& stream) {
  if (stream.memory) return stream.memoryPos >= stream.memorySize;
  if (!stream.file) return true;
  int c = std::fgetc(stream.file);
  if (c == EOF) return true;
  std::ungetc(c, stream.file);
  return false;
}

int32_t ReadInt32(TStream& stream) {
  uint8_t b[4];
  if (ReadStreamBytes(stream, b, 4) != 4) StreamReadError(stream);
  uint32_t v = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
               (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
  return static_cast<int32_t>(v);
}

void WriteInt32(TStream& stream, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                  static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
  if (WriteStreamBytes(stream, b, 4) != 4)
    RaiseRuntimeError(JoinText(u"Error writing to stream \"", stream.name, u"\""));
}

Text ReadBytesAsText(TStream& stream, int32_t count) {
  if (count <= 0) return Text();
  // In pieces, so a damaged count in a short file fails without first
  // reserving gigabytes.
  std::string bytes;
  uint8_t piece[65536];
  while (count > 0) {
    int32_t want = count < int32_t(sizeof piece) ? count : int32_t(sizeof piece);
    if (ReadStreamBytes(stream, piece, want) != want) StreamReadError(stream);
    bytes.append(reinterpret_cast<const char*>(piece), size_t(want));
    count -= want;
  }
  return TextFromBytes(bytes);
}

void WriteTextBytes(TStream& stream, const Text& text) {
  std::string bytes = TextToBytes(text);
  int32_t n = static_cast<int32_t>(bytes.size());
  if (WriteStreamBytes(stream, reinterpret_cast<const uint8_t*>(bytes.data()), n) != n)
    RaiseRuntimeError(JoinText(u"Error writing to stream \"", stream.name, u"\""));
}

void AppendInt32(std::vector<uint8_t>& bytes, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(v >> shift));
}

int32_t Int32At(const uint8_t* bytes) {
  return static_cast<int32_t>(
      static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
      static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

namespace {

// The system calls of a read, through the test hook: a call the hook fails
// gives -1 with errno set, as the system's own failure does, and takes the
// same way.
int HookedOpen(const std::string& path) {
  return Allowed(FileCall::Open, path) ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC) : -1;
}
ssize_t HookedRead(int fd, const std::string& path, uint8_t* into, size_t count) {
  return Allowed(FileCall::Read, path) ? ::read(fd, into, count) : -1;
}

FileRead ReadFailed(std::vector<uint8_t>& bytes, std::string* reason) {
  if (reason != nullptr) *reason = std::strerror(errno != 0 ? errno : EIO);
  bytes.clear();
  return FileRead::Failed;
}

}  // namespace

FileRead ReadFileStart(const Text& path, size_t maxSize, std::vector<uint8_t>& bytes,
                       std::string* reason) {
  bytes.clear();
  const std::string native = NativePath(path);
  struct stat st;
  if (::stat(native.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? FileRead::Absent : ReadFailed(bytes, reason);
  if (!S_ISREG(st.st_mode)) return FileRead::Absent;
  const int fd = HookedOpen(native);
  if (fd < 0) return errno == ENOENT ? FileRead::Absent : ReadFailed(bytes, reason);
  const size_t size = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0u;
  bytes.resize(size < maxSize ? size : maxSize);
  size_t got = 0;
  // A read cut short by a signal is tried again, but not for ever.
  int32_t interrupted = 0;
  while (got < bytes.size()) {
    const ssize_t n = HookedRead(fd, native, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR && ++interrupted < 16) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      errno = error;
      return ReadFailed(bytes, reason);
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return FileRead::Whole;
}

bool ReadFileBounded(const Text& path, size_t maxSize, std::vector<uint8_t>& bytes) {
  bytes.clear();
  const int32_t size = FileByteSize(path);
  if (size < 0 || static_cast<uint64_t>(size) > maxSize) return false;
  if (ReadFileStart(path, maxSize, bytes) == FileRead::Whole &&
      bytes.size() == static_cast<size_t>(size))
    return true;
  bytes.clear();
  return false;
}

int32_t PathKind(const Text& path) {
  struct stat st;
  if (::stat(NativePath(path).c_str(), &st) != 0) return PATH_NONE;
  if (S_ISDIR(st.st_mode)) return PATH_FOLDER;
  if (S_ISREG(st.st_mode)) return PATH_FILE;
  return PATH_NONE;
}

int32_t FileByteSize(const Text& path) {
  struct stat st;
  if (::stat(NativePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return st.st_size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(st.st_size);
}

bool RemoveFile(const Text& path) {
  if (PathKind(path) != PATH_FILE) return false;
  const std::string native = NativePath(path);
  return Allowed(FileCall::Remove, native) && ::unlink(native.c_str()) == 0;
}

bool RenameFile(const Text& from, const Text& to) {
  const std::string native = NativePath(from);
  return Allowed(FileCall::Rename, native) &&
         std::rename(native.c_str(), NativePath(to).c_str()) == 0;
}

bool SyncFolderOf(const Text& path) {
  std::string folder = NativePath(path);
  const size_t slash = folder.find_last_of('/');
  folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
  if (!Allowed(FileCall::SyncFolder, folder)) return false;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

void SetFileCallHook(FileCallHook hook) { Hook() = std::move(hook); }

bool SaveWholeFile(const Text& path, const uint8_t* bytes, size_t size, std::string* reason) {
  const std::string target = NativePath(path);
  const std::string temporary = NativePath(ProcessTemporaryPath(path));
  int error = 0;
  // Keeps the first failure; a call that fails without saying why counts as
  // an input/output error.
  auto check = [&error](bool ok) {
    if (!ok && error == 0) error = errno != 0 ? errno : EIO;
  };
  errno = 0;
  std::FILE* file = nullptr;
  if (Allowed(FileCall::Open, temporary)) {
    // Made afresh: whatever a crash, or anybody else, left under the
    // temporary name (a link to a file elsewhere too) is not written into.
    if (::unlink(temporary.c_str()) != 0 && errno == ENOENT) errno = 0;
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    file = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (fd >= 0 && !file) {
      const int fdopenError = errno;
      ::close(fd);
      ::unlink(temporary.c_str());
      errno = fdopenError;
    }
  }
  check(file != nullptr);
  if (file) {
    errno = 0;
    check(size == 0 ||
          (Allowed(FileCall::Write, temporary) && std::fwrite(bytes, 1, size, file) == size));
    errno = 0;
    check(Allowed(FileCall::Flush, temporary) && std::fflush(file) == 0);
    // On disk before it takes the old file's place, so that a crash cannot
    // leave an empty file under the real name. Files that cannot be synced
    // (EINVAL) are taken as they are.
    errno = 0;
    check(Allowed(FileCall::Sync, temporary) && (::fsync(::fileno(file)) == 0 || errno == EINVAL));
    errno = 0;
    const bool mayClose = Allowed(FileCall::Close, temporary);
    check(std::fclose(file) == 0 && mayClose);
    if (error == 0) {
      errno = 0;
      check(Allowed(FileCall::Rename, temporary) &&
            std::rename(temporary.c_str(), target.c_str()) == 0);
    }
    if (error != 0) ::unlink(temporary.c_str());
  }
  if (error != 0 && reason != nullptr) *reason = std::strerror(error);
  return error == 0;
}

Text ProcessTemporaryPath(const Text& path) {
  return JoinText(path, u".", IntToText(static_cast<int32_t>(::getpid())), saveTemporarySuffix);
}

bool LeftoverTemporary(const Text& name, Text& base) {
  const Text suffix = saveTemporarySuffix;
  if (!name.ends_with(suffix)) return false;
  base = name.substr(0, name.size() - suffix.size());
  // ".tmp" alone is what earlier releases made.
  const size_t dot = base.find_last_of(u'.');
  if (dot == Text::npos || dot + 1 == base.size()) return true;
  int64_t pid = 0;
  for (size_t i = dot + 1; i < base.size(); ++i) {
    if (base[i] < u'0' || base[i] > u'9' || pid > INT32_MAX) return true;
    pid = pid * 10 + (base[i] - u'0');
  }
  base.resize(dot);
  // Another copy of the game may be saving through it now; this one is not
  // while it clears up.
  const bool running = pid > 0 && pid <= INT32_MAX && pid != ::getpid() &&
                       (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
  return !running;
}

FolderLock::FolderLock(const Text& folder, int32_t waitMilliseconds) {
  fd_ = ::open(NativePath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  // Tried every 10 ms: a copy stopped in the middle of its save must not
  // stop this one for ever.
  for (int32_t waited = 0;; waited += 10) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    if (waited >= waitMilliseconds) break;
    ::usleep(10000);
  }
  busy_ = true;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

void KeepRunningPastFileSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

bool MakeDirectory(const Text& path, bool recursive) {
  std::string native = NativePath(path);
  if (recursive) {
    for (size_t i = 1; i < native.size(); ++i) {
      if (native[i] != '/') continue;
      std::string part = native.substr(0, i);
      ::mkdir(part.c_str(), 0777);
    }
  }
  if (::mkdir(native.c_str(), 0777) == 0) return true;
  return PathKind(path) == PATH_FOLDER;
}

Text PathExtension(const Text& path) {
  size_t dot = path.find_last_of(u'.');
  if (dot == Text::npos) return Text();
  size_t sep = path.find_last_of(u"/\\");
  if (sep != Text::npos && sep > dot) return Text();
  return path.substr(dot + 1);
}

DirectoryRef ListDirectory(const Text& path) {
  DIR* dir = ::opendir(NativePath(path).c_str());
  if (!dir) return nullptr;
  auto listing = std::make_shared<TDirectory>();
  while (struct dirent* entry = ::readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    listing->entries.push_back(TextFromBytes(entry->d_name));
  }
  ::closedir(dir);
  return listing;
}

void CloseDirectory(const DirectoryRef& dir) {
  if (dir) {
    dir->entries.clear();
    dir->next = 0;
  }
}

BankRef NewBank(int32_t size) {
  auto bank = std::make_shared<TBank>();
  bank->bytes.assign(size > 0 ? static_cast<size_t>(size) : 0u, 0);
  return bank;
}

uint8_t* BankBytes(TBank& bank) { return bank.bytes.data(); }

int32_t BankSize(const TBank& bank) { return static_cast<int32_t>(bank.bytes.size()); }

static bool BankRangeValid(const TBank& bank, int32_t offset, int32_t count) {
  return offset >= 0 && count >= 0 &&
         static_cast<int64_t>(offset) + count <= static_cast<int64_t>(bank.bytes.size());
}

int32_t ReadStreamIntoBank(TStream& stream, TBank& bank, int32_t offset, int32_t count) {
  if (!BankRangeValid(bank, offset, count)) return 0;
  return ReadStreamBytes(stream, bank.bytes.data() + offset, count);
}

int32_t WriteBankToStream(TBank& bank, TStream& stream, int32_t offset, int32_t count) {
  if (!BankRangeValid(bank, offset, count)) return 0;
  return WriteStreamBytes(stream, bank.bytes.data() + offset, count);
}

bool ReadWholeUrl(const Text& url, std::vector<uint8_t>& storage, const uint8_t*& data,
                  size_t& size) {
  if (HasIncbinPrefix(url)) {
    data = EmbeddedFileData(url, &size);
    return data != nullptr;
  }
  std::FILE* f = std::fopen(NativePath(url).c_str(), "rb");
  if (!f) return false;
  uint8_t buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    storage.insert(storage.end(), buffer, buffer + n);
  std::fclose(f);
  data = storage.data();
  size = storage.size();
  return true;
}

void EnterProgramFolder() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return;
  buf[n] = '\0';
  char* slash = std::strrchr(buf, '/');
  if (!slash) return;
  *slash = '\0';
  if (buf[0] == '\0') return;
  if (::chdir(buf) != 0) return;
}
