// The tool's file access. Inputs are read only from regular files, up to a size limit, so a
// FIFO, a device or a runaway file is refused instead of hanging or exhausting memory; every
// file read is remembered, so that no output can replace one of them. Outputs are written to
// a fresh temporary file in the output's own folder (created exclusively, so nothing planted
// there is followed) and renamed over the output only when complete.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace apostila::tools {

// A file that cannot be read or written; the message names the file and says why.
struct FileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Large enough for any page source or definition the course has (the largest is under 1 MB).
inline constexpr std::size_t kMaxInputBytes = 64u << 20;

// Reads a whole regular file. Throws FileError for a missing, unreadable, non-regular or
// oversized file.
std::vector<std::uint8_t> readInput(const std::filesystem::path& path, std::size_t limit = kMaxInputBytes);
// As readInput, but a missing file gives nothing instead of an error.
std::optional<std::vector<std::uint8_t>> readInputIfPresent(const std::filesystem::path& path,
                                                            std::size_t limit = kMaxInputBytes);

// Starts a new command: the files read so far no longer count as its inputs.
void forgetInputs();

// Checks that an output may be written at path: not a file this run has read, and not an
// existing directory, device or FIFO. Throws FileError.
void checkOutput(const std::filesystem::path& path);

// Writes bytes to path through a temporary file, after checkOutput. On failure nothing is
// left at path or beside it, and FileError says why.
void writeOutput(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Removes what an earlier run left at path, so that a failed command leaves no stale output:
// only a regular file that this run has not read and that begins with the output's signature.
void removeStaleOutput(const std::filesystem::path& path, std::string_view signature);

}  // namespace apostila::tools
