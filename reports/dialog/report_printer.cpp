#include "reports/dialog/report_printer.h"

#include <QCursor>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "cycle/lstorage.h"
#include "platform/qt/painter_canvas.h"
#include "reports/prnreprt.h"

namespace {

constexpr int PdfResolutionDpi = 600;
// Base size of the printed texts: small enough that the longest legend text ends before the
// legend lines at 73 % of the page width.
constexpr int PageFontPoints = 7;

// The wait cursor from the start of the job to its end, however the job ends.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// One job of one page; the printer's orientation is made landscape first. The page is the
// printer's printable area in device pixels, with its origin at that area's top left.
PrintOutcome PrintOn(QPrinter& printer, const PrintedReport& report) {
  printer.setPageOrientation(QPageLayout::Landscape);
  WaitCursor waitCursor;
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::NoPrinter;
  QFont font = painter.font();
  font.setPointSize(PageFontPoints);
  painter.setFont(font);
  PainterCanvas canvas(painter);
  PrnReprt page(report.samples, report.cycleStamp, report.description, printer.width(),
                printer.height());
  page.DrawPage(canvas);
  painter.end();
  return PrintOutcome::Printed;
}

}  // namespace

PrintOutcome PrintReport(const PrintedReport& report) {
  if (report.samples.RowCount == 0) return PrintOutcome::NothingToPrint;
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const auto installed = QPrinterInfo::availablePrinters();
    if (installed.isEmpty()) return PrintOutcome::NoPrinter;
    info = installed.first();
  }
  QPrinter printer(info, QPrinter::HighResolution);
  return PrintOn(printer, report);
}

PrintOutcome PrintReportToPdf(const PrintedReport& report, const QString& pdfPath) {
  if (report.samples.RowCount == 0) return PrintOutcome::NothingToPrint;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  printer.setResolution(PdfResolutionDpi);
  return PrintOn(printer, report);
}
