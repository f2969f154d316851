#pragma once
// One run of the scrolling credits control: its lines move through the control's face one pixel a tick
// at 96 DPI, upward like film credits or downward, starting and ending with only background in view, and
// the run reports its end. The lines are drawn once per run into an off-screen picture one control height
// taller than the text at each end; the face shows a window of it that moves a little each tick.
//
// The window side (measuring the font, drawing the picture, the timer, the painting) is behind
// MarqueeFace, so the run's arithmetic and the order of its steps can be exercised without any window.

namespace kestrelle {

// A rectangle as the system keeps one: right and bottom are the first pixels outside it.
struct TMarqueeRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TMarqueeRect&, const TMarqueeRect&) = default;
};

// The control as a run starts: outer size, client height, bevel width, number of lines, the height of one
// line of its font (character height plus internal leading), and the DPI it is drawn at. The picture
// moves Dpi / 96 pixels a tick, kept exact over the run (1.25 pixels at 120 DPI make 1, 1, 1, 2, ...), so
// that the credits, whose sizes scale with the DPI, take the same number of ticks at any scale.
struct TMarqueeMetrics {
  int Width = 0;
  int Height = 0;
  int ClientHeight = 0;
  int BevelWidth = 0;
  int LineCount = 0;
  int LineHeight = 0;
  int Dpi = 96;
};

class MarqueeRun;

class MarqueeFace {
 public:
  virtual ~MarqueeFace() = default;
  virtual int LineCount() const = 0;
  virtual bool ScrollsDown() const = 0;
  virtual TMarqueeMetrics Measure() = 0;
  // Makes the off-screen picture of the run's BitmapRect() size, filled with the control's colour, with
  // line i drawn in LineRect(i). May throw when a line cannot be drawn.
  virtual void FillBitmap(const MarqueeRun& run) = 0;
  virtual void SetTicking(bool ticking) = 0;
  // The end of a run, reported to whoever listens while the run still counts as active.
  virtual void RaiseDone() = 0;
  // Lets go of the picture and repaints the control as a plain panel.
  virtual void ReleaseBitmap() = 0;
};

class MarqueeRun {
 public:
  explicit MarqueeRun(MarqueeFace& face) : face_(face) {}

  bool Active() const { return active_; }
  // The first row of the picture in view.
  int Offset() const { return offset_; }
  int LineHeight() const { return metrics_.LineHeight; }
  // The whole picture: the control's width by one control height, the lines, and one control height.
  TMarqueeRect BitmapRect() const;
  // The inside of the bevels, where the face shows the picture: each of its pixels shows the picture's
  // pixel at the same place, moved down by the offset.
  TMarqueeRect ViewRect() const;
  // Where line `index` is drawn in the picture: between the view's sides, from its row to the bottom.
  TMarqueeRect LineRect(int index) const;

  // Starts a run: nothing happens while one is in progress or when there are no lines. The run counts as
  // active from here on, also when drawing the picture throws; Deactivate then ends it as usual.
  void Activate();
  // Ends a run in progress: the ticks stop, the end is reported (the run still active), then the run
  // becomes idle and the picture goes. Nothing happens while idle.
  void Deactivate();
  // One tick: the picture moves on (never past its last row in view, or past row 0), or the run ends once
  // the text has passed. At 96 DPI, upward runs end after client height + line count × line height + 1
  // ticks, downward ones when the offset is 0.
  void Step();

 private:
  MarqueeFace& face_;
  bool active_ = false;
  int start_ = 0;
  int offset_ = 0;
  int ticks_ = 0;
  TMarqueeMetrics metrics_;
};

}  // namespace kestrelle
