// The embedded start frame, found through the name table the build generates.
#include "pages/PreparedFrame.h"

#include "ui/EmbeddedBlob.h"

extern "C" {
extern const apostila::EmbeddedBlob apostila_start_frames[] __attribute__((weak));
extern const std::size_t apostila_start_frames_count __attribute__((weak));
}

namespace apostila::app {

platform::PixelView embeddedStartFrame() {
  if (!&apostila_start_frames_count || apostila_start_frames_count == 0) return {};
  return preparedFrameOf(apostila_start_frames[0].bytes());
}

}  // namespace apostila::app
