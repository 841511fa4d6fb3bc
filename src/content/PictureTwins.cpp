// The one installed source of picture twins.
#include "content/PictureTwins.h"

namespace apostila::content {

namespace {
const PictureTwins* g_twins = nullptr;
}

const PictureTwins* pictureTwins() { return g_twins; }
void setPictureTwins(const PictureTwins* twins) { g_twins = twins; }

}  // namespace apostila::content
