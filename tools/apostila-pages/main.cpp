// apostila-pages: the course author's tool for page definitions.
//   compile SOURCE OUT [-I DIR]... [--values FILE]
//                                    page source to definition (no output on error); a page
//                                    on a frame finds it in the frames/ folder beside it; {name}
//                                    in its strings takes the named value's text from FILE
//   dump DEFINITION                  definition back to a self-contained page source
//   dump DEFINITION --frame FRAME [-I DIR]...
//                                    the short form on a frame: what differs from it
//   json DEFINITION                  element tree as JSON
//   extract DIR                      the definitions embedded in this program, one file each
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Compiler.h"
#include "ComputedValues.h"
#include "Dump.h"
#include "Frame.h"
#include "PageSource.h"
#include "PageTool.h"
#include "content/DefinitionStore.h"

namespace fs = std::filesystem;
using namespace apostila;

namespace {

int usage() {
  std::cerr << "usage: apostila-pages compile SOURCE OUT [-I DIR]... [--values FILE]\n"
               "       apostila-pages dump DEFINITION [--frame FRAME [-I DIR]...]\n"
               "       apostila-pages json DEFINITION\n"
               "       apostila-pages extract DIR\n"
            << tools::extraUsage();
  return 2;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  // Written beside the target and renamed, so a failed write leaves no half file.
  fs::path tmp = path;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + tmp.string());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + tmp.string());
  }
  fs::rename(tmp, path);
}

int compile(const std::vector<std::string>& args) {
  if (args.size() < 2) return usage();
  std::vector<fs::path> search;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "-I" && i + 1 < args.size())
      search.emplace_back(args[++i]);
    else if (args[i] == "--values" && i + 1 < args.size())
      tools::ComputedValues::setCurrent(tools::ComputedValues::load(args[++i]));
    else
      return usage();
  }
  auto text = readFile(args[0]);
  tools::SourceElement root =
      tools::readPage(std::string(text.begin(), text.end()), args[0], search, tools::framesBeside(args[0]));
  tools::Compiler compiler(args[0], tools::pageClassResolver());
  auto bytes = compiler.compile(root);
  writeFile(args[1], bytes);
  return 0;
}

int dump(const std::vector<std::string>& args) {
  if (args.empty()) return usage();
  std::string frame;
  std::vector<fs::path> search;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--frame" && i + 1 < args.size() && frame.empty())
      frame = args[++i];
    else if (args[i] == "-I" && i + 1 < args.size())
      search.emplace_back(args[++i]);
    else
      return usage();
  }
  if (frame.empty() && !search.empty()) return usage();
  auto bytes = readFile(args[0]);
  if (frame.empty()) {
    std::cout << tools::dumpSource(bytes);
    return 0;
  }
  auto text = readFile(frame);
  tools::Frame f(std::string(text.begin(), text.end()), frame, search, args[0], 0);
  std::cout << tools::writeSource(f.shorten(tools::definitionSource(bytes), fs::path(frame).filename().string()));
  return 0;
}

int extract(const std::string& dir) {
  const auto& store = content::DefinitionStore::embedded();
  if (store.all().empty()) throw std::runtime_error("this build carries no embedded definitions");
  fs::create_directories(dir);
  for (const EmbeddedBlob& b : store.all()) writeFile(fs::path(dir) / b.name, b.bytes());
  std::cout << store.all().size() << " definitions written to " << dir << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  std::string command = args[0];
  args.erase(args.begin());
  try {
    if (command == "compile") return compile(args);
    if (command == "dump") return dump(args);
    if (command == "json" && args.size() == 1) {
      auto bytes = readFile(args[0]);
      std::cout << tools::dumpJson(bytes);
      return 0;
    }
    if (command == "extract" && args.size() == 1) return extract(args[0]);
    if (int rc = tools::runExtraCommand(command, args); rc >= 0) return rc;
    return usage();
  } catch (const tools::SourceError& e) {
    std::cerr << "apostila-pages: " << e.what() << "\n";
  } catch (const std::bad_alloc&) {
    std::cerr << "apostila-pages: " << (args.empty() ? command : args[0]) << ": out of memory\n";
  } catch (const std::exception& e) {
    std::cerr << "apostila-pages: " << (args.empty() ? command : args[0]) << ": " << e.what() << "\n";
  }
  return 1;
}
