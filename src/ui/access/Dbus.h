// The message-bus library, reached at run time. SDL's video subsystem already has it in the
// process (for the screen saver and input methods), so finding it costs nothing at start-up;
// the program does not link it, and a machine without it simply has no accessibility.
// The header gives the types and constants only.
#pragma once

#include <dbus/dbus.h>

#include <cstdint>
#include <string>

namespace apostila::access {

#define APOSTILA_DBUS_FUNCTIONS(X)           \
  X(dbus_error_init)                         \
  X(dbus_error_free)                         \
  X(dbus_error_is_set)                       \
  X(dbus_bus_get_private)                    \
  X(dbus_bus_register)                       \
  X(dbus_bus_get_unique_name)                \
  X(dbus_bus_add_match)                      \
  X(dbus_connection_open_private)            \
  X(dbus_connection_set_exit_on_disconnect)  \
  X(dbus_connection_close)                   \
  X(dbus_connection_unref)                   \
  X(dbus_connection_get_unix_fd)             \
  X(dbus_connection_read_write)              \
  X(dbus_connection_pop_message)             \
  X(dbus_connection_get_dispatch_status)     \
  X(dbus_connection_send)                    \
  X(dbus_connection_send_with_reply_and_block) \
  X(dbus_connection_flush)                   \
  X(dbus_connection_get_is_connected)        \
  X(dbus_message_new_method_call)            \
  X(dbus_message_new_method_return)          \
  X(dbus_message_new_error)                  \
  X(dbus_message_new_signal)                 \
  X(dbus_message_unref)                      \
  X(dbus_message_get_type)                   \
  X(dbus_message_get_path)                   \
  X(dbus_message_get_interface)              \
  X(dbus_message_get_member)                 \
  X(dbus_message_get_reply_serial)           \
  X(dbus_message_get_no_reply)               \
  X(dbus_message_is_signal)                  \
  X(dbus_message_set_auto_start)             \
  X(dbus_message_iter_init)                  \
  X(dbus_message_iter_init_append)           \
  X(dbus_message_iter_append_basic)          \
  X(dbus_message_iter_open_container)        \
  X(dbus_message_iter_close_container)       \
  X(dbus_message_iter_get_arg_type)          \
  X(dbus_message_iter_get_basic)             \
  X(dbus_message_iter_next)                  \
  X(dbus_message_iter_recurse)

struct DbusApi {
#define APOSTILA_DBUS_MEMBER(name) decltype(&::name) name = nullptr;
  APOSTILA_DBUS_FUNCTIONS(APOSTILA_DBUS_MEMBER)
#undef APOSTILA_DBUS_MEMBER

  // The library as the process has it (loaded by SDL), else loaded now; null when there is none
  // or it lacks a function.
  static const DbusApi* get();
};

// Appending to a message, one container level at a time.
class Out {
 public:
  Out(const DbusApi& d, DBusMessage* m) : d_(d) { d_.dbus_message_iter_init_append(m, &stack_[0]); }
  Out& s(const std::string& v) {
    const char* p = v.c_str();
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_STRING, &p);
    return *this;
  }
  Out& o(const std::string& v) {
    const char* p = v.c_str();
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_OBJECT_PATH, &p);
    return *this;
  }
  Out& i(std::int32_t v) {
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_INT32, &v);
    return *this;
  }
  Out& u(std::uint32_t v) {
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_UINT32, &v);
    return *this;
  }
  Out& n(std::int16_t v) {
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_INT16, &v);
    return *this;
  }
  Out& b(bool v) {
    dbus_bool_t x = v ? 1 : 0;
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_BOOLEAN, &x);
    return *this;
  }
  Out& dbl(double v) {
    d_.dbus_message_iter_append_basic(top(), DBUS_TYPE_DOUBLE, &v);
    return *this;
  }
  // type: DBUS_TYPE_STRUCT, _ARRAY, _VARIANT or _DICT_ENTRY; sig: the contents' signature
  // for an array or a variant, null otherwise.
  Out& open(int type, const char* sig = nullptr) {
    d_.dbus_message_iter_open_container(top(), type, sig, &stack_[depth_ + 1]);
    ++depth_;
    return *this;
  }
  Out& close() {
    --depth_;
    d_.dbus_message_iter_close_container(&stack_[depth_], &stack_[depth_ + 1]);
    return *this;
  }

 private:
  DBusMessageIter* top() { return &stack_[depth_]; }
  const DbusApi& d_;
  DBusMessageIter stack_[8];
  int depth_ = 0;
};

}  // namespace apostila::access
