#pragma once
// Printing the sample table as one landscape page (PrnReprt) on the application's printer or
// into a PDF file, through the same painter code. The wait cursor shows while the page is made.
#include <QString>
#include <string>

class LStorage;

enum class PrintOutcome {
  Printed,
  NothingToPrint,  // the table has no rows
  NoPrinter,       // no printer installed, or the printer (or PDF file) could not be opened
};

struct PrintedReport {
  const LStorage& samples;
  std::string cycleStamp;   // "yyyy.mm.dd hh:mm:ss", after "Отчет за:  "
  std::string description;  // UTF-8, under the header
};

// The default printer, or the first installed one when none is marked default.
PrintOutcome PrintReport(const PrintedReport& report);
// A PDF file at 600 dpi, as a common laser printer would print the page.
PrintOutcome PrintReportToPdf(const PrintedReport& report, const QString& pdfPath);
