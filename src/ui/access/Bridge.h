// The course on the desktop's accessibility bus. It follows the desktop's accessibility status
// on the session bus and, while that is on, publishes the tree (Tree.h) there: it answers each
// request on the loop's thread when the backend reports a connection readable, sends the tree's
// notices as the protocol's events, and hands actions to the tree's queue.
//
// While the status is off the program carries one idle session-bus connection, watched by the
// backend's existing signal thread: no tree, no bus of its own, no wake-up until the status
// changes. Without a session bus nothing happens at all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/access/Hooks.h"

struct DBusConnection;
struct DBusMessage;

namespace apostila::ui {
class Application;
}

namespace apostila::access {

struct DbusApi;
class Tree;
struct Notice;

class Bridge : public ui::AccessHooks {
 public:
  explicit Bridge(ui::Application& application);
  ~Bridge() override;
  Bridge(const Bridge&) = delete;
  Bridge& operator=(const Bridge&) = delete;

  // Reads the status (the answer comes through the loop) and follows it. Call once the first
  // frame is on the screen: nothing of this may delay it.
  void start();
  bool published() const { return bus_ != nullptr; }

  // ---- AccessHooks: forwarded to the tree while published ----
  void captionChanged(ui::Control& control) override;
  void visibilityChanged(ui::Control& control) override;
  void enabledChanged(ui::Control& control) override;
  void pageActivated(ui::Form* now, ui::Form* before) override;
  void boxOpened(ui::DialogBox& box) override;
  void boxClosing(ui::DialogBox& box) override;
  void readable() override;
  void applicationGone(ui::Application& application) override;

 private:
  void askStatus();
  void handleSession(DBusMessage* m);
  void handleBus(DBusMessage* m);
  void setEnabled(bool on);
  bool publish();
  void unpublish();
  void watch();
  void poke();
  void send(DBusConnection* c, DBusMessage* m);
  void emit(const Notice& n);
  std::string pathOf(int id) const;
  int idOfPath(const char* path) const;
  void answer(DBusMessage* call, int id);

  ui::Application* app_;
  const DbusApi* d_ = nullptr;
  DBusConnection* session_ = nullptr;
  DBusConnection* bus_ = nullptr;
  std::string busName_;                 // ours on the accessibility bus
  std::string desktopName_, desktopPath_;  // the registry's root, our root's parent
  std::uint32_t statusSerial_ = 0;
  bool isEnabled_ = false, screenReader_ = false;
  int appId_ = 0;
  int poke_[2] = {-1, -1};  // a byte here gives the loop another turn (queued actions)
  int running_ = 0;  // depth of queued actions running (a modal box nests them)
  std::unique_ptr<Tree> tree_;
  std::vector<std::unique_ptr<Tree>> retired_;
};

}  // namespace apostila::access
