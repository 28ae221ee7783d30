#pragma once
// The drawing surface shared by the on-screen chart and the printed page.
// It offers the operations of a classic GDI-style canvas: a pen with a current position,
// lines that stop one pixel short of their end point, texts placed by their top-left corner,
// and outlined or filled shapes. Coordinates are device pixels, x right, y down.
#include <cstdint>
#include <string>

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Fuchsia{255, 0, 255};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Gray{128, 128, 128};
inline constexpr Color BtnFace{240, 240, 240};
}  // namespace colors

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPenColor(Color c) = 0;
  virtual void SetPenWidth(int width) = 0;
  // Solid brush: shapes are filled and texts get this background. Clear brush: neither.
  virtual void SetBrushColor(Color c) = 0;
  virtual void SetBrushClear() = 0;
  // Font size in points, and bold on or off. The face is the canvas's own.
  virtual int FontSize() const = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontBold(bool bold) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // Paints from the pen position up to, but not including, (x, y); the pen ends at (x, y).
  virtual void LineTo(int x, int y) = 0;
  // Texts are UTF-8.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // Shapes by their bounding box; the right and bottom edges are exclusive.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
};
