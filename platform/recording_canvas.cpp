#include "platform/recording_canvas.h"

#include <algorithm>
#include <iterator>
#include <utility>

RecordingCanvas::RecordingCanvas(int charWidth, int textHeight)
    : charWidth_(charWidth), textHeight_(textHeight) {}

void RecordingCanvas::Record(CanvasOp::Kind kind, CanvasPoint from, CanvasPoint to, std::string text) {
  ops_.push_back({kind, from, to, std::move(text), pen_, penWidth_, brush_, fontSize_, bold_});
}

void RecordingCanvas::MoveTo(int x, int y) {
  Record(CanvasOp::Kind::MoveTo, penPos_, {x, y});
  penPos_ = {x, y};
}

void RecordingCanvas::LineTo(int x, int y) {
  Record(CanvasOp::Kind::LineTo, penPos_, {x, y});
  penPos_ = {x, y};
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  Record(CanvasOp::Kind::TextOut, {x, y}, {x, y}, text);
}

int RecordingCanvas::TextWidth(const std::string& text) {
  // UTF-8 continuation bytes (10xxxxxx) do not start a code point.
  const auto codePoints =
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  return static_cast<int>(codePoints) * charWidth_;
}

int RecordingCanvas::TextHeight(const std::string&) { return textHeight_; }

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Record(CanvasOp::Kind::Ellipse, {x1, y1}, {x2, y2});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Record(CanvasOp::Kind::Rectangle, {x1, y1}, {x2, y2});
}

std::vector<CanvasOp> RecordingCanvas::OpsOfKind(CanvasOp::Kind kind) const {
  std::vector<CanvasOp> result;
  std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(result), [kind](const CanvasOp& op) { return op.kind == kind; });
  return result;
}
