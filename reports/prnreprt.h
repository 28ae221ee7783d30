#pragma once
// PrnReprt: the printed report page, drawn on any Canvas of the printable size W x H (device
// pixels): a title with the cycle's start, a legend, the description, and the three temperatures
// of the whole table on a fixed 0..300 °C scale, in black, the curves told apart by markers.
// It draws only; the print job around it belongs to the caller.
#include <cstdint>
#include <string>

class Canvas;
class LStorage;

class PrnReprt {
 public:
  // samples must outlive the object. cycleStamp "yyyy.mm.dd hh:mm:ss"; description UTF-8.
  PrnReprt(const LStorage& samples, std::string cycleStamp, std::string description,
           int pageWidth, int pageHeight);

  // Lays out the plot area, counts the time divisions, and draws the four parts in order.
  void DrawPage(Canvas& canvas);

  void PrintTemperatureAxis(Canvas& canvas);
  void PrintTimeAxis(Canvas& canvas);
  void PrintCurves(Canvas& canvas);
  void PrintHeader(Canvas& canvas);

  // The layout, valid after DrawPage: plot area L, R, T, B and the number of time divisions N.
  int AreaLeft() const { return areaLeft_; }
  int AreaRight() const { return areaRight_; }
  int AreaTop() const { return areaTop_; }
  int AreaBottom() const { return areaBottom_; }
  int TickCount() const { return tickCount_; }

 private:
  int PointX(std::int32_t row) const;
  int PointY(std::int32_t value) const;
  void Marker(Canvas& canvas, bool circle, int x, int y) const;

  const LStorage& samples_;
  std::string cycleStamp_;
  std::string description_;
  int pageWidth_;
  int pageHeight_;
  int areaLeft_ = 0;
  int areaBottom_ = 0;
  int areaTop_ = 0;
  int areaRight_ = 0;
  int tickCount_ = 1;
};
