// The virtual clock and the wait: deadlines pass without sleeping, queued events come first,
// scripted actions run one per idle wait, and a wait that could never end says so.
#include <gmock/gmock.h>

#include <chrono>

#include "DesktopFixture.h"
#include "ui/platform/headless/HeadlessStall.h"

namespace apostila::platform {
namespace {

using HeadlessWait = DesktopTest;

TEST_F(HeadlessWait, AWaitWithNothingToDoReturnsAtTheDeadlineOnTheVirtualClock) {
  const auto started = std::chrono::steady_clock::now();
  desk.advanceClock(1000);
  EXPECT_EQ(desk.waitEvent(1000 + 60'000), std::nullopt);
  EXPECT_EQ(desk.nowMs(), 61'000);
  EXPECT_EQ(desk.waitEvent(5), std::nullopt);  // a deadline already past does not turn the clock back
  EXPECT_EQ(desk.nowMs(), 61'000);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
}

TEST_F(HeadlessWait, QueuedEventsComeBeforeTheDeadlineAndDoNotMoveTheClock) {
  desk.terminate();
  const auto e = desk.waitEvent(500);
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(e->type, EventType::Terminate);
  EXPECT_EQ(desk.nowMs(), 0);
}

TEST_F(HeadlessWait, ScriptedActionsRunOnePerIdleWaitInOrder) {
  const WindowId w = shownPage();
  desk.pollEvent();
  desk.pollEvent();
  desk.onWait([&] { desk.typeKey(Key::Return); });
  desk.onWait([&] { desk.advanceClock(200); });  // time passes, nothing happens
  desk.onWait([&] { desk.requestClose(w); });

  EXPECT_EQ(desk.waitEvent(std::nullopt)->type, EventType::KeyDown);
  EXPECT_EQ(desk.waitEvent(std::nullopt)->type, EventType::KeyUp);  // still queued: no action runs
  EXPECT_EQ(desk.waitEvent(100), std::nullopt);                     // the action passed the deadline
  EXPECT_EQ(desk.nowMs(), 200);
  EXPECT_EQ(desk.waitEvent(std::nullopt)->type, EventType::CloseRequest);
  EXPECT_THROW(desk.waitEvent(std::nullopt), HeadlessStall);
}

TEST_F(HeadlessWait, AnActionThatDoesNothingLetsTheWaitRunToItsDeadline) {
  desk.onWait([] {});
  EXPECT_EQ(desk.waitEvent(250), std::nullopt);
  EXPECT_EQ(desk.nowMs(), 250);
}

}  // namespace
}  // namespace apostila::platform
