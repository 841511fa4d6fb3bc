// apostila-start-frame DEFINITION OUTPUT: draws the start page from its compiled definition on
// the headless desktop, as start-up first shows it (its own fonts are embedded, so the frame is
// the same on every machine), and writes the frame in the form that pages/PreparedFrame.h reads.
// The build runs it and embeds the result in the program.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "apostila/PageRegistry.h"
#include "content/DefinitionStore.h"
#include "ui/Application.h"
#include "ui/platform/headless/HeadlessBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

int main(int argc, char** argv) {
  using namespace apostila;
  if (argc != 3) {
    std::cerr << "usage: apostila-start-frame DEFINITION OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.is_open() || bytes.empty()) {
    std::cerr << "apostila-start-frame: cannot read " << argv[1] << "\n";
    return 1;
  }
  const EmbeddedBlob blob{"TFORMINTRO", bytes.data(), bytes.size()};
  const content::DefinitionStore store(std::span(&blob, 1));
  static ui::ScreenTextMeasurer measurer;
  ui::setTextMeasurer(&measurer);
  platform::HeadlessBackend desktop;
  std::vector<std::uint32_t> frame;
  std::uint32_t size[2] = {0, 0};
  try {
    ui::Application application(desktop, "apostila");
    application.setFormLoader([&](ui::Form& f) { store.loadPage(f); });
    application.createForm(app::formintro);
    application.showForm(*app::formintro);
    application.processPending();
    const platform::PixelView v = desktop.pixels(app::formintro->windowId());
    size[0] = static_cast<std::uint32_t>(v.width);
    size[1] = static_cast<std::uint32_t>(v.height);
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) frame.push_back(v.at(x, y));
  } catch (const std::exception& e) {
    std::cerr << "apostila-start-frame: " << e.what() << "\n";
    return 1;
  }
  app::clearRegistry();
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(size), sizeof size);
  out.write(reinterpret_cast<const char*>(frame.data()), static_cast<std::streamsize>(frame.size() * sizeof frame[0]));
  if (!out.flush()) {
    std::cerr << "apostila-start-frame: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
