#pragma once
// The scrolling credits control: a panel that, during a run, shows its lines moving through its face one
// pixel every 100 ms, upward like film credits or downward, and raises OnDone when the run ends (see
// marquee_run.h for the run itself). Between runs it paints as a plain panel.
//
// All lines are drawn once per run into an off-screen picture; every tick then copies one block of it.

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/marquee_run.h"
#include "ui/panel.h"
#include "ui/timer.h"

namespace kestrelle {

// A line the system failed to draw ("Failed to render text"), raised out of Activate.
class EMarqueeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The horizontal placement of each line.
enum class TJustification { tjCenter, tjLeft, tjRight };

struct MarqueeOptions {
  std::optional<ui::FontSpec> font;
  int bevelWidth = 3;
};

class TMarquee final : public ui::Panel, private MarqueeFace {
 public:
  static constexpr UINT kTickMs = 100;

  TMarquee(ui::Control& parent, const ui::Rect& bounds, const MarqueeOptions& options = {});
  // Ends a run in progress (raising OnDone).
  ~TMarquee() override;

  bool ScrollDown = false;
  TJustification Justify = TJustification::tjCenter;
  // The lines; a run shows them as they were when it started. An '&' underlines the character after it.
  std::vector<std::string> Items;
  std::function<void()> OnDone;

  // Starts a run from the beginning with the current lines, font, colour and size; does nothing during a
  // run or without lines. Throws EMarqueeError when a line cannot be drawn.
  void Activate() { run_.Activate(); }
  // Ends a run: the ticks stop, OnDone is raised while the run still counts as active, and the control
  // repaints as a panel. Does nothing between runs.
  void Deactivate() { run_.Deactivate(); }
  // One tick's move, as the timer makes it (without the repaint).
  void Step() { run_.Step(); }
  bool Active() const { return run_.Active(); }

 private:
  int LineCount() const override { return static_cast<int>(Items.size()); }
  bool ScrollsDown() const override { return ScrollDown; }
  TMarqueeMetrics Measure() override;
  void FillBitmap(const MarqueeRun& run) override;
  void SetTicking(bool ticking) override { timer_.SetEnabled(ticking); }
  void RaiseDone() override;
  void ReleaseBitmap() override;

  void Paint(HDC dc) override;
  void TimerTick();
  void DrawLine(HDC dc, const std::string& line, const TMarqueeRect& rect) const;

  ui::Timer timer_{kTickMs};
  ui::BitmapHandle bitmap_;  // the run's picture; none between runs
  MarqueeRun run_{*this};
};

}  // namespace kestrelle
