// Turns a parsed page source into a page definition, choosing value codes by each property's
// type: the narrowest integer, identifiers for named colours, character sets, cursors and
// enumerations, booleans as their own codes, single-byte strings for plain ASCII and UTF-8
// otherwise, and the binary layouts of glyphs and pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "PageSource.h"
#include "ui/PageClass.h"
#include "ui/TypeInfo.h"

namespace apostila::tools {

// Finds the page class a root element names, to check handler names; may return null.
using PageClassResolver = std::function<const ui::PageClassInfo*(std::string_view className)>;

// What a property path resolves to on a class: a published property or a defined one.
struct PropertyTarget {
  const ui::PropInfo* prop = nullptr;
  const ui::DefinedProp* defined = nullptr;
};

// Resolves a dotted path; returns an explanation in `why` when it cannot.
PropertyTarget resolvePath(const ui::TypeInfo& type, const std::string& path, std::string& why);

// The class a record's kind names: the page window for the root, a registered kind otherwise.
const ui::TypeInfo* recordType(const std::string& kind, bool root);

// Encodes one value for its target, code byte first. Throws std::invalid_argument with a
// message for a value that does not suit the target.
std::vector<std::uint8_t> encodeValue(const SourceValue& v, const PropertyTarget& target);

class Compiler {
 public:
  explicit Compiler(std::string fileName, PageClassResolver pages = {})
      : file_(std::move(fileName)), pages_(std::move(pages)) {}
  // Throws SourceError naming the file and line of the first fault.
  std::vector<std::uint8_t> compile(const SourceElement& root);

 private:
  void element(const SourceElement& e, int depth, std::vector<std::uint8_t>& out);
  // Remembers that the bytes from here on come from this line, for the read-back's refusal.
  void mark(std::size_t offset, const std::string& file, int line);
  // Reads the definition with the program's reader; a refusal names the line it came from.
  void readBackOrFail(const SourceElement& root, const std::vector<std::uint8_t>& definition) const;
  // A fault on a line of the page, or of its frame (`file` set), told with the page.
  SourceError error(const std::string& file, int line, const std::string& what) const;
  std::string file_;
  int rootLine_ = 0;
  PageClassResolver pages_;
  const ui::PageClassInfo* pageClass_ = nullptr;
  std::vector<std::string> names_;
  std::unordered_set<std::string> nameKeys_;  // names_ in upper case, to find a second one at once
  struct Mark {
    std::size_t offset;
    std::string file;
    int line;
  };
  std::vector<Mark> marks_;
};

}  // namespace apostila::tools
