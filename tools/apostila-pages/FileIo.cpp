// File access for the tool (see FileIo.h), on the POSIX calls that let it check what a path
// is before trusting it.
#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <utility>

namespace apostila::tools {

namespace {

namespace fs = std::filesystem;
using FileId = std::pair<dev_t, ino_t>;

// The files this run has read.
std::set<FileId>& inputs() {
  static std::set<FileId> ids;
  return ids;
}

std::string reason(int error) { return std::strerror(error); }

// Closes a descriptor when it goes out of scope.
struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

std::string sizeText(std::size_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

}  // namespace

void forgetInputs() { inputs().clear(); }

std::optional<std::vector<std::uint8_t>> readInputIfPresent(const fs::path& path, std::size_t limit) {
  const std::string name = path.string();
  // Non-blocking, so that opening a FIFO returns at once and is refused below.
  Fd f{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (f.fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    throw FileError("cannot open " + name + ": " + reason(errno));
  }
  struct stat st {};
  if (::fstat(f.fd, &st) != 0) throw FileError("cannot read " + name + ": " + reason(errno));
  if (S_ISDIR(st.st_mode)) throw FileError(name + " is a folder, not a file");
  if (!S_ISREG(st.st_mode)) throw FileError(name + " is not a regular file (a device, pipe or socket)");
  if (static_cast<std::uint64_t>(st.st_size) > limit)
    throw FileError(name + " is too large: " + sizeText(static_cast<std::size_t>(st.st_size)) + ", at most " +
                    sizeText(limit));
  inputs().insert({st.st_dev, st.st_ino});
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  // A file that grows while it is read keeps only the size it had; one that shrinks ends early.
  while (got < bytes.size()) {
    ssize_t n = ::read(f.fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError("cannot read " + name + ": " + reason(errno));
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

std::vector<std::uint8_t> readInput(const fs::path& path, std::size_t limit) {
  auto bytes = readInputIfPresent(path, limit);
  if (!bytes) throw FileError("cannot open " + path.string() + ": " + reason(ENOENT));
  return std::move(*bytes);
}

void checkOutput(const fs::path& path) {
  const std::string name = path.string();
  if (path.filename().empty()) throw FileError(name + " names a folder, not a file");
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return;  // nothing there yet (or a dangling link, replaced)
  if (inputs().count({st.st_dev, st.st_ino}))
    throw FileError(name + " is an input of this command; write the output to another file");
  if (S_ISDIR(st.st_mode)) throw FileError(name + " is a folder, not a file");
  if (!S_ISREG(st.st_mode)) throw FileError(name + " is not a regular file (a device, pipe or socket)");
}

void writeOutput(const fs::path& path, std::span<const std::uint8_t> bytes) {
  checkOutput(path);
  const std::string name = path.string();
  fs::path dir = path.parent_path();
  std::string pattern = ((dir.empty() ? fs::path(".") : dir) / ("." + path.filename().string() + ".XXXXXX")).string();
  // mkstemp creates the file exclusively under a fresh name: a link planted in the folder is
  // never followed.
  Fd f{::mkstemp(pattern.data())};
  if (f.fd < 0) throw FileError("cannot write " + name + ": " + reason(errno));
  const std::string tmp = pattern;
  auto fail = [&](int error) {
    ::unlink(tmp.c_str());
    throw FileError("cannot write " + name + ": " + reason(error));
  };
  // The permissions an ordinary new file would get.
  mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(f.fd, 0666 & ~mask) != 0) fail(errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(errno);
    done += static_cast<std::size_t>(n);
  }
  int fd = f.fd;
  f.fd = -1;
  if (::close(fd) != 0) fail(errno);
  if (::rename(tmp.c_str(), path.c_str()) != 0) fail(errno);
}

void removeStaleOutput(const fs::path& path, std::string_view signature) {
  struct stat st {};
  // A link, a folder or a device is the author's to deal with, and so is any input.
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || inputs().count({st.st_dev, st.st_ino})) return;
  Fd f{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW)};
  if (f.fd < 0) return;
  // Only what this command writes: a file that does not begin like its output is left alone.
  std::string head(signature.size(), '\0');
  if (::read(f.fd, head.data(), head.size()) != static_cast<ssize_t>(head.size()) || head != signature) return;
  ::unlink(path.c_str());
}

}  // namespace apostila::tools
