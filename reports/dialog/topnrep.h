#pragma once
// TOpnRep: the modal dialog "Список отчетов" in which the user picks a stored report: one row per
// report in the report folder, newest first, with its date, start time and description. exec()
// returns Accepted for "OK", Enter or a double click on a row (SelectedName() then names the
// report), Rejected for "Отмена", Esc or the close box. One instance serves the whole run; the
// list is rebuilt on every showing, the current row and the last choice are kept.
#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

class QPushButton;
class QTableView;
class QWidget;
class ReportListModel;

class TOpnRep : public QDialog {
  Q_OBJECT
 public:
  // recordingName tells the name (no folder, no extension) of the report being written, "" when
  // none is; it is asked at every rebuild, since a cycle may start while the dialog is shown.
  TOpnRep(std::filesystem::path reportDir, std::function<std::string()> recordingName,
          QWidget* parent = nullptr);

  // Rebuilds the list from the report folder; descriptions are read again as rows are painted.
  void RefreshList();
  int ReportCount() const;
  // The report chosen with OK: its name without folder and extension; "" before the first choice.
  const std::string& SelectedName() const { return selectedName_; }

 protected:
  void showEvent(QShowEvent* event) override;      // rebuilds the list, focuses the grid
  void resizeEvent(QResizeEvent* event) override;  // lays out the grid, panel, buttons, columns

 private:
  void Button1Click();

  std::filesystem::path reportDir_;
  std::function<std::string()> recordingName_;
  std::string selectedName_;
  ReportListModel* model_;
  QTableView* StringGrid1;
  QWidget* Panel1;
  QPushButton* Button1;
  QPushButton* Button2;
};
