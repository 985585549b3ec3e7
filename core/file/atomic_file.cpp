#include "file/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quenchel {

namespace {

std::string ErrnoText(std::string_view what, const std::string& path) {
  return std::string(what) + " " + path + ": " + std::strerror(errno);
}

std::string TemporaryNameFor(const std::string& path) {
  static unsigned counter = 0;
#ifdef _WIN32
  const long pid = 0;
#else
  const long pid = static_cast<long>(::getpid());
#endif
  return path + ".~saving-" + std::to_string(pid) + "-" + std::to_string(++counter);
}

#ifndef _WIN32
// Flushing the folder makes the rename itself survive a power cut.
void SyncFolderOf(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
#endif

}  // namespace

WriteResult DiskFileWriter::WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = TemporaryNameFor(path);
  WriteResult result;
#ifdef _WIN32
  std::FILE* file = std::fopen(temporary.c_str(), "wbx");
  if (file == nullptr) {
    result.error = ErrnoText("cannot create", temporary);
    return result;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                       std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    result.error = ErrnoText("cannot write", temporary);
    std::remove(temporary.c_str());
    return result;
  }
#else
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    result.error = ErrnoText("cannot create", temporary);
    return result;
  }
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
  bool written = true;
  for (std::size_t done = 0; written && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) written = false;
    else done += static_cast<std::size_t>(n);
  }
  if (written && ::fsync(fd) != 0) written = false;
  if (!written) result.error = ErrnoText("cannot write", temporary);
  if (::close(fd) != 0 && written) {
    written = false;
    result.error = ErrnoText("cannot close", temporary);
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return result;
  }
#endif
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    result.error = "cannot replace " + path + ": " + error.message();
    std::filesystem::remove(temporary, error);
    return result;
  }
#ifndef _WIN32
  SyncFolderOf(path);
#endif
  result.ok = true;
  return result;
}

DiskFileWriter& DefaultFileWriter() {
  static DiskFileWriter writer;
  return writer;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace quenchel
