// What each fuzz target asks of one input, shared by the libFuzzer targets and by the test that
// replays every input the fuzzers ever found something with. A check returns normally when the
// input was handled soundly: decoded or read, or refused with the reader's own error. Anything
// else (a crash, a sanitizer report, an escaping exception, a broken promise) is a finding; a
// broken promise throws Finding, which nothing catches.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace apostila::fuzz {

struct Finding : std::logic_error {
  explicit Finding(const std::string& what) : std::logic_error(what) {}
};

// The bitmap decoder: a picture whose every pixel can be read, or one of its two messages.
void checkBitmap(std::span<const std::uint8_t> bytes);

// The definition reader as the program runs it: the page object of the class the definition
// names (one of the course's own when it names one), the screen's text measurer installed so
// that scaling and label auto-size run, the page painted and hit-tested when it reads; then
// the authoring tool's dump and JSON views of the same bytes, and dump's source compiled back
// (with no page-class check): it must give the same bytes, unless compile refuses it.
void checkDefinition(std::span<const std::uint8_t> bytes);

// The page-source compiler, frames included: an input holding a NUL byte is a frame (before it)
// and a page (after); any other input is a page, on a small built-in frame when it names one.
// What compiles must read back with the definition reader into a page of its class, and is painted.
void checkPageSource(std::span<const std::uint8_t> bytes);

}  // namespace apostila::fuzz
