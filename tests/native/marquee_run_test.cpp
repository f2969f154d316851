#include "app/marquee_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelle {
namespace {

// A window side that records what the run asks of it, in order.
class RecordingFace : public MarqueeFace {
 public:
  explicit RecordingFace(TMarqueeMetrics metrics, bool down = false) : metrics_(metrics), down_(down) {}

  MarqueeRun run{*this};
  std::vector<std::string> events;
  bool failToDraw = false;

  int LineCount() const override { return metrics_.LineCount; }
  bool ScrollsDown() const override { return down_; }
  TMarqueeMetrics Measure() override {
    events.push_back("measure");
    return metrics_;
  }
  void FillBitmap(const MarqueeRun&) override {
    events.push_back("fill");
    if (failToDraw) throw std::runtime_error("Failed to render text");
  }
  void SetTicking(bool ticking) override { events.push_back(ticking ? "ticks on" : "ticks off"); }
  void RaiseDone() override { events.push_back(run.Active() ? "done while active" : "done while idle"); }
  void ReleaseBitmap() override { events.push_back("release"); }

 private:
  TMarqueeMetrics metrics_;
  bool down_;
};

// The about box's credits: 96 lines of 15 pixels in a control of 273 x 97 with bevels of 3.
constexpr TMarqueeMetrics kCredits{.Width = 273, .Height = 97, .ClientHeight = 97, .BevelWidth = 3,
                                   .LineCount = 96, .LineHeight = 15};
// Two pixels a tick (a 200 % screen): the last step is cut short to the end row.
constexpr TMarqueeMetrics kCreditsTwoPixels{.Width = 273, .Height = 97, .ClientHeight = 97, .BevelWidth = 3,
                                            .LineCount = 96, .LineHeight = 15, .Dpi = 192};

TEST(MarqueeRun, LastsUntilTheTextHasPassedTheView) {
  const struct {
    const char* name;
    TMarqueeMetrics metrics;
    bool down;
    int ticks;
    int firstOffset;
    int lastOffset;
  } runs[] = {
      {"credits upward", kCredits, false, 1538, 0, 1537},
      {"credits downward", kCredits, true, 1538, 1537, 0},
      {"credits upward, two pixels a tick", kCreditsTwoPixels, false, 770, 0, 1537},
      {"credits downward, two pixels a tick", kCreditsTwoPixels, true, 770, 1537, 0},
      // 1.25 pixels a tick, the fractions adding up: 1537 pixels in 1230 moves.
      {"credits upward at 120 DPI", {.Width = 273, .Height = 97, .ClientHeight = 97, .BevelWidth = 3,
                                     .LineCount = 96, .LineHeight = 15, .Dpi = 120}, false, 1231, 0, 1537},
      // Upward runs count the client height, downward ones start one outer height below the text.
      {"bordered upward", {.Width = 60, .Height = 50, .ClientHeight = 48, .LineCount = 3, .LineHeight = 12},
       false, 85, 0, 84},
      {"bordered downward", {.Width = 60, .Height = 50, .ClientHeight = 48, .LineCount = 3, .LineHeight = 12},
       true, 87, 86, 0},
  };
  for (const auto& r : runs) {
    SCOPED_TRACE(r.name);
    RecordingFace face(r.metrics, r.down);
    face.run.Activate();
    EXPECT_EQ(face.run.Offset(), r.firstOffset);
    int ticks = 0;
    int lastOffset = face.run.Offset();
    while (face.run.Active() && ticks < 100000) {
      lastOffset = face.run.Offset();
      face.run.Step();
      ++ticks;
    }
    EXPECT_EQ(ticks, r.ticks);
    EXPECT_EQ(lastOffset, r.lastOffset);
    EXPECT_EQ(std::count(face.events.begin(), face.events.end(), "done while active"), 1);
    face.run.Step();
    EXPECT_EQ(std::count(face.events.begin(), face.events.end(), "done while active"), 1) << "a tick after the end";
  }
}

TEST(MarqueeRun, PictureHoldsTheLinesBetweenTwoBlankControlHeights) {
  RecordingFace face(kCredits);
  face.run.Activate();
  EXPECT_EQ(face.run.BitmapRect(), (TMarqueeRect{0, 0, 273, 97 + 96 * 15 + 97}));
  EXPECT_EQ(face.run.ViewRect(), (TMarqueeRect{3, 3, 270, 94}));
  EXPECT_EQ(face.run.LineRect(0), (TMarqueeRect{3, 97, 270, 1634}));
  EXPECT_EQ(face.run.LineRect(95), (TMarqueeRect{3, 97 + 95 * 15, 270, 1634}));
}

TEST(MarqueeRun, ActivateAndDeactivateInTheirOrders) {
  using Events = std::vector<std::string>;
  RecordingFace empty({.Width = 100, .Height = 75, .LineHeight = 15});
  empty.run.Activate();
  empty.run.Deactivate();
  EXPECT_EQ(empty.events, Events{}) << "no lines: no run, and nothing to end";
  EXPECT_FALSE(empty.run.Active());

  RecordingFace face(kCredits);
  face.run.Deactivate();
  EXPECT_EQ(face.events, Events{}) << "idle";
  face.run.Activate();
  face.run.Activate();
  EXPECT_EQ(face.events, (Events{"measure", "fill", "ticks on"})) << "the second Activate does nothing";
  face.events.clear();
  face.run.Deactivate();
  face.run.Deactivate();
  EXPECT_EQ(face.events, (Events{"ticks off", "done while active", "release"}));
  EXPECT_FALSE(face.run.Active());

  // A line that cannot be drawn: the run stays marked active without ticking, and ends as any other.
  RecordingFace failing(kCredits);
  failing.failToDraw = true;
  EXPECT_THROW(failing.run.Activate(), std::runtime_error);
  EXPECT_TRUE(failing.run.Active());
  failing.run.Deactivate();
  EXPECT_EQ(failing.events, (Events{"measure", "fill", "ticks off", "done while active", "release"}));
}

}  // namespace
}  // namespace kestrelle
