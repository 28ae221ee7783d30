#pragma once
// The window's pictures, drawn in code: the two lamps SpeedButton1 alternates between and the
// icons of the tool buttons.
#include <QPixmap>

namespace pictures {
QPixmap Lamp(int index);  // 0: violet lamp, 1: green lamp; 20 x 19 pixels
QPixmap OpenReport();      // open yellow folder with a green curved arrow, 25 x 25
QPixmap Printer();         // 22 x 22
QPixmap TempZoomOut();     // two dark red arrows pointing at a horizontal line, 16 x 16
QPixmap TempZoomIn();      // dark red double arrow between two horizontal bars
QPixmap TimeZoomOut();     // two blue arrows pointing at a vertical line
QPixmap TimeZoomIn();      // blue double arrow between two vertical bars
}  // namespace pictures
