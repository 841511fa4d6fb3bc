// A connection of the test's own that has sent a request naming a window already destroyed and
// not yet read the error the server answers with: the error is read when the connection
// closes. Kept apart from the tests because Xlib's macros clash with names the tests use.
#pragma once

class PendingXError {
 public:
  PendingXError();  // opens the connection on $DISPLAY and sends the request
  ~PendingXError() { close(); }
  PendingXError(const PendingXError&) = delete;
  PendingXError& operator=(const PendingXError&) = delete;

  bool opened() const { return display_ != nullptr; }
  void close();  // the error is read and handled here

 private:
  void* display_ = nullptr;
};
