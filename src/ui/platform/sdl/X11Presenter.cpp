// The shared presentation image: made (or made larger) on demand, in shared memory where the
// server takes it, and written in the server's own pixel layout.
#include "ui/platform/sdl/X11Presenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "ui/platform/PlatformError.h"
#include "ui/platform/sdl/X11ErrorTrap.h"

namespace apostila::platform {

struct X11Presenter::Visual {
  ::Visual* visual = nullptr;
  int depth = 0;
  GC gc = nullptr;
};

struct X11Presenter::Image {
  Display* display = nullptr;
  XImage* image = nullptr;
  XShmSegmentInfo shm{};
  bool shared = false;
  bool direct = false;  // the server's layout is ours: rows are copied as they are

  ~Image() {
    if (image == nullptr) return;
    if (shared) {
      // The server lets go of the segment first; it was marked for removal once attached.
      XShmDetach(display, &shm);
      XSync(display, False);
      shmdt(shm.shmaddr);
      image->data = nullptr;
    }
    XDestroyImage(image);  // frees the rows of an unshared image
  }
};

namespace {

// An 8-bit channel placed under a visual's mask, for servers whose layout is not ours.
unsigned long channel(std::uint32_t value8, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  const unsigned long v = bits <= 8 ? value8 >> (8 - bits) : static_cast<unsigned long>(value8) << (bits - 8);
  return (v << shift) & mask;
}

}  // namespace

X11Presenter::X11Presenter(_XDisplay* display, XWindow anyWindow) : display_(display), visual_(std::make_unique<Visual>()) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, anyWindow, &attributes)) throw PlatformError("cannot read a window's visual");
  visual_->visual = attributes.visual;
  visual_->depth = attributes.depth;
  visual_->gc = XCreateGC(display_, anyWindow, 0, nullptr);
  shmUsable_ = XShmQueryExtension(display_);
}

X11Presenter::~X11Presenter() {
  image_.reset();
  XFreeGC(display_, visual_->gc);
}

bool X11Presenter::shared() const { return image_ && image_->shared; }

void X11Presenter::ensureSize(int width, int height) {
  if (image_ && image_->image->width >= width && image_->image->height >= height) return;
  if (image_) {
    width = std::max(width, image_->image->width);
    height = std::max(height, image_->image->height);
  }
  image_.reset();
  auto made = std::make_unique<Image>();
  made->display = display_;
  const auto w = static_cast<unsigned>(width), h = static_cast<unsigned>(height);
  if (shmUsable_) {
    made->image = XShmCreateImage(display_, visual_->visual, static_cast<unsigned>(visual_->depth), ZPixmap, nullptr,
                                  &made->shm, w, h);
    bool attached = false;
    if (made->image != nullptr) {
      made->shm.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(made->image->bytes_per_line) * h, IPC_CREAT | 0600);
      if (made->shm.shmid >= 0) {
        void* at = shmat(made->shm.shmid, nullptr, 0);
        if (at != reinterpret_cast<void*>(-1)) {
          made->shm.shmaddr = made->image->data = static_cast<char*>(at);
          made->shm.readOnly = False;
          // A server on another machine advertises the extension but cannot reach our memory.
          X11ErrorTrap trap(display_);
          XShmAttach(display_, &made->shm);
          attached = !trap.failed();
          if (!attached) shmdt(at);
        }
        shmctl(made->shm.shmid, IPC_RMID, nullptr);  // gone once both sides let go
      }
      if (!attached) {
        made->image->data = nullptr;
        XDestroyImage(made->image);
        made->image = nullptr;
      }
    }
    made->shared = attached;
    shmUsable_ = attached;
  }
  if (!made->shared) {
    made->image = XCreateImage(display_, visual_->visual, static_cast<unsigned>(visual_->depth), ZPixmap, 0, nullptr, w,
                               h, 32, 0);
    if (made->image == nullptr) throw PlatformError("cannot make an image of " + std::to_string(width) + "x" +
                                                    std::to_string(height) + " pixels");
    made->image->data = static_cast<char*>(std::calloc(static_cast<std::size_t>(made->image->bytes_per_line), h));
    if (made->image->data == nullptr) {
      XDestroyImage(made->image);
      made->image = nullptr;
      throw PlatformError("out of memory for the window image");
    }
  }
  const XImage& im = *made->image;
  const int ours = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  made->direct = im.bits_per_pixel == 32 && im.byte_order == ours && im.red_mask == 0xFF0000 &&
                 im.green_mask == 0xFF00 && im.blue_mask == 0xFF;
  image_ = std::move(made);
}

void X11Presenter::copyIn(const PixelView& frame, const Rect& r) {
  XImage* im = image_->image;
  for (int y = r.y; y < r.bottom(); ++y) {
    const std::uint32_t* from = frame.pixels + static_cast<long>(y) * frame.stride + r.x;
    if (image_->direct) {
      std::memcpy(im->data + static_cast<long>(y) * im->bytes_per_line + static_cast<long>(r.x) * 4, from,
                  static_cast<std::size_t>(r.width) * 4);
      continue;
    }
    for (int x = 0; x < r.width; ++x) {
      const std::uint32_t p = from[x];
      XPutPixel(im, r.x + x, y,
                channel(p >> 16 & 0xFF, im->red_mask) | channel(p >> 8 & 0xFF, im->green_mask) |
                    channel(p & 0xFF, im->blue_mask));
    }
  }
}

void X11Presenter::present(XWindow window, const PixelView& frame, std::span<const Rect> changed) {
  if (changed.empty()) return;
  if (frame.pixels == nullptr) throw PlatformError("present needs pixels");
  const Rect bounds(0, 0, frame.width, frame.height);
  if (bounds.empty()) return;
  ensureSize(frame.width, frame.height);
  XImage* im = image_->image;
  for (const Rect& r : changed) {
    const Rect c = r.intersect(bounds);
    if (c.empty()) continue;
    copyIn(frame, c);
    const auto w = static_cast<unsigned>(c.width), h = static_cast<unsigned>(c.height);
    if (image_->shared)
      XShmPutImage(display_, window, visual_->gc, im, c.x, c.y, c.x, c.y, w, h, False);
    else
      XPutImage(display_, window, visual_->gc, im, c.x, c.y, c.x, c.y, w, h);
  }
  // The server reads shared pixels only when it comes to the request: the next change must not
  // write over them before. Unshared rows already travel in the requests.
  if (image_->shared)
    XSync(display_, False);
  else
    XFlush(display_);
}

}  // namespace apostila::platform
