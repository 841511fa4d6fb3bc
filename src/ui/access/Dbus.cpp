// Finding the message-bus library at run time.
#include "ui/access/Dbus.h"

#include <dlfcn.h>

namespace apostila::access {

const DbusApi* DbusApi::get() {
  static const DbusApi* api = [] () -> const DbusApi* {
    // SDL has opened it already on a desktop with a session bus; open it ourselves otherwise.
    void* lib = dlopen("libdbus-1.so.3", RTLD_NOW | RTLD_NOLOAD);
    if (!lib) lib = dlopen("libdbus-1.so.3", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return nullptr;
    static DbusApi table;
#define APOSTILA_DBUS_RESOLVE(name)                                                 \
  table.name = reinterpret_cast<decltype(&::name)>(dlsym(lib, #name));              \
  if (!table.name) return nullptr;
    APOSTILA_DBUS_FUNCTIONS(APOSTILA_DBUS_RESOLVE)
#undef APOSTILA_DBUS_RESOLVE
    return &table;
  }();
  return api;
}

}  // namespace apostila::access
