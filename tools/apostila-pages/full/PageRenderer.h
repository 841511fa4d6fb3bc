// Renders a page of the course headless, as the learner would see it once the page has been
// opened: the whole course is built from the embedded definitions on a simulated desktop, the
// page is shown as navigation shows it (so its activation handler has run), and the pointer is
// optionally put over one element or holding the left button down on one. Clicks may walk on
// to other pages (a whole quiz pass, say): each acts on the page on the screen at that moment,
// and the picture is of the page on the screen at the end.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/canvas/Canvas.h"
#include "ui/canvas/PngWriter.h"
#include "ui/platform/headless/HeadlessBackend.h"

namespace apostila::tools {

struct RenderRequest {
  std::string page;  // a page id: formintro, Form1 ... Form85 (case does not matter)
  std::filesystem::path output;
  std::string hover;  // element to rest the pointer on, or empty
  std::string press;  // element to hold the left button down on, or empty
  std::vector<std::string> clicks;  // elements clicked first, in order, each on the page then on the
                                    // screen; messages they open are closed
  int scale = 1;  // the screen's device scale: 1, 2 or 3

  // PAGE OUT [--click ELEMENT]... [--hover ELEMENT] [--press ELEMENT] [--scale N]; false for
  // anything else.
  static bool parse(const std::vector<std::string>& args, RenderRequest& out);
};

class PageRenderer {
 public:
  // The frame the simulated desktop puts around page windows: a classic sizeable border and
  // title bar, so the client area is what a real window leaves for the page.
  static constexpr platform::FrameExtents kFrame{4, 4, 23, 4};

  explicit PageRenderer(int scale = 1);
  ~PageRenderer();

  // The page's client area after the request's pointer actions, in the screen's pixels (the
  // scale the renderer was made with). Throws std::runtime_error for an unknown page or element.
  ui::Canvas render(const RenderRequest& request);

  // Where an element of a page lies in the page's client area, shown or not. Throws
  // std::runtime_error for an unknown page or element.
  platform::Rect elementRect(const std::string& page, const std::string& element) const;

 private:
  ui::Form& pageNamed(const std::string& id) const;
  ui::Form& pageOnScreen() const;
  platform::Rect elementRect(const ui::Form& page, const std::string& element) const;
  void pointAt(ui::Form& page, const std::string& element);

  int scale_;
  platform::HeadlessBackend desktop_;
  std::unique_ptr<ui::Application> app_;
};

}  // namespace apostila::tools
