#pragma once
// RecordingCanvas: a Canvas that paints nothing and records every operation, with the pen, brush
// and font in force at that moment, so tests can check exact coordinates. Text metrics are fixed
// and configurable: a width per character (counted in Unicode code points) and one height.
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

struct CanvasPoint {
  int x = 0, y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct CanvasOp {
  enum class Kind { MoveTo, LineTo, TextOut, Ellipse, Rectangle };
  Kind kind = Kind::MoveTo;
  // MoveTo, LineTo: the pen position before (from) and the target (to).
  // TextOut: the text's top-left corner in both. Shapes: the bounding box corners.
  CanvasPoint from, to;
  std::string text;  // TextOut only
  Color pen;
  int penWidth = 1;
  std::optional<Color> brush;  // nullopt: clear brush
  int fontSize = 0;
  bool bold = false;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int charWidth = 7, int textHeight = 14);

  void SetPenColor(Color c) override { pen_ = c; }
  void SetPenWidth(int width) override { penWidth_ = width; }
  void SetBrushColor(Color c) override { brush_ = c; }
  void SetBrushClear() override { brush_.reset(); }
  int FontSize() const override { return fontSize_; }
  void SetFontSize(int points) override { fontSize_ = points; }
  void SetFontBold(bool bold) override { bold_ = bold; }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;

  const std::vector<CanvasOp>& Ops() const { return ops_; }
  std::vector<CanvasOp> OpsOfKind(CanvasOp::Kind kind) const;
  void ClearOps() { ops_.clear(); }

 private:
  void Record(CanvasOp::Kind kind, CanvasPoint from, CanvasPoint to, std::string text = {});

  int charWidth_;
  int textHeight_;
  std::vector<CanvasOp> ops_;
  CanvasPoint penPos_;
  Color pen_ = colors::Black;
  int penWidth_ = 1;
  std::optional<Color> brush_ = colors::White;
  int fontSize_ = 9;
  bool bold_ = false;
};
