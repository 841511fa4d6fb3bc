// compile, dump, json and extract; every failure becomes one printable message naming where.
#include "Commands.h"

#include <filesystem>
#include <new>

#include "Compiler.h"
#include "ComputedValues.h"
#include "Dump.h"
#include "FileIo.h"
#include "Frame.h"
#include "PageSource.h"
#include "PageTool.h"
#include "Printable.h"
#include "Restyle.h"
#include "Twins.h"
#include "content/DefinitionStore.h"
#include "content/StreamFormat.h"

namespace apostila::tools {

namespace {

namespace fs = std::filesystem;

struct Usage {};

std::string text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

int compile(const std::vector<std::string>& args) {
  if (args.size() < 2) throw Usage{};
  std::vector<fs::path> search;
  const fs::path out = args[1];
  fs::path pictures;  // where to list the page's pictures, for their twins
  try {
    tools::ComputedValues::setCurrent({});
    for (std::size_t i = 2; i < args.size(); ++i) {
      if (args[i] == "-I" && i + 1 < args.size())
        search.emplace_back(args[++i]);
      else if (args[i] == "--values" && i + 1 < args.size())
        ComputedValues::setCurrent(ComputedValues::load(args[++i]));
      else if (args[i] == "--pictures" && i + 1 < args.size())
        pictures = args[++i];
      else
        throw Usage{};
    }
    const std::string source = text(readInput(args[0]));
    // Refused before any work: compiling a page over its own source would destroy it.
    checkOutput(out);
    SourceElement root = readPage(source, args[0], search, framesBeside(args[0]));
    Compiler compiler(args[0], pageClassResolver());
    writeOutput(out, compiler.compile(root));
    if (!pictures.empty()) {
      const std::string list = pictureList(root);
      writeOutput(pictures, std::span(reinterpret_cast<const std::uint8_t*>(list.data()), list.size()));
    }
  } catch (...) {
    // A definition left from an earlier compile would pass for this source's.
    removeStaleOutput(out, content::kSignature);
    throw;
  }
  return 0;
}

// A definition that cannot be written as source is refused with the definition's name.
template <class F>
std::string located(const std::string& file, F write) {
  try {
    return write();
  } catch (const SourceError& e) {
    throw SourceError(file + ": " + e.what());
  }
}

int dump(const std::vector<std::string>& args, std::ostream& out) {
  if (args.empty()) throw Usage{};
  std::string frame;
  std::vector<fs::path> search;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--frame" && i + 1 < args.size() && frame.empty())
      frame = args[++i];
    else if (args[i] == "-I" && i + 1 < args.size())
      search.emplace_back(args[++i]);
    else
      throw Usage{};
  }
  if (frame.empty() && !search.empty()) throw Usage{};
  auto bytes = readInput(args[0]);
  std::string source;
  if (frame.empty()) {
    source = located(args[0], [&] { return dumpSource(bytes); });
  } else {
    Frame f(text(readInput(frame)), frame, search, args[0], 0);
    SourceElement shortForm = f.shorten(definitionSource(bytes), fs::path(frame).filename().string());
    source = located(args[0], [&] { return writeSource(shortForm); });
  }
  out << source;
  return 0;
}

int extract(const std::string& dir, std::ostream& out) {
  const auto& store = content::DefinitionStore::embedded();
  if (store.all().empty()) throw std::runtime_error("this build carries no embedded definitions");
  fs::create_directories(dir);
  for (const EmbeddedBlob& b : store.all()) writeOutput(fs::path(dir) / b.name, b.bytes());
  out << store.all().size() << " definitions written to " << dir << "\n";
  return 0;
}

int dispatch(const std::vector<std::string>& all, std::ostream& out, const ExtraCommands& extra) {
  if (all.empty()) throw Usage{};
  const std::string& command = all[0];
  std::vector<std::string> args(all.begin() + 1, all.end());
  if (command == "compile") return compile(args);
  if (command == "dump") return dump(args, out);
  if (command == "json" && args.size() == 1) {
    out << dumpJson(readInput(args[0]));
    return 0;
  }
  if (command == "extract" && args.size() == 1) return extract(args[0], out);
  if (command == "twins" && args.size() >= 3) {
    const std::vector<fs::path> lists(args.begin() + 3, args.end());
    writeOutput(args[0], packTwins(args[1], args[2], lists));
    return 0;
  }
  if (command == "restyle") {
    if (int rc = restyleCommand(args, out); rc >= 0) return rc;
    throw Usage{};
  }
  if (extra.run)
    if (int rc = extra.run(command, args); rc >= 0) return rc;
  throw Usage{};
}

}  // namespace

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const ExtraCommands& extra) {
  forgetInputs();
  // The file a message is about, when the message does not name it itself.
  const std::string subject = args.size() > 1 ? args[1] : args.empty() ? "" : args[0];
  std::string message;
  try {
    return dispatch(args, out, extra);
  } catch (const Usage&) {
    err << "usage: apostila-pages compile SOURCE OUT [-I DIR]... [--values FILE] [--pictures LIST]\n"
           "       apostila-pages twins OUT TWINDIR DESCRIPTIONS LIST...\n"
           "       apostila-pages dump DEFINITION [--frame FRAME [-I DIR]...]\n"
           "       apostila-pages json DEFINITION\n"
           "       apostila-pages extract DIR\n"
           "       apostila-pages restyle SHEET SOURCE... [-I DIR]... [--values FILE]\n"
        << extra.usage;
    return 2;
  } catch (const SourceError& e) {
    message = e.what();
  } catch (const FileError& e) {
    message = e.what();
  } catch (const fs::filesystem_error& e) {
    message = (e.path1().empty() ? subject : e.path1().string()) + ": " + e.code().message();
  } catch (const std::bad_alloc&) {
    message = subject + ": out of memory";
  } catch (const std::exception& e) {
    message = subject + ": " + e.what();
  }
  err << "apostila-pages: " << printable(message) << "\n";
  return 1;
}

}  // namespace apostila::tools
