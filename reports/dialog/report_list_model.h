#pragma once
// The rows of the report list: date, start time and description of each report. Descriptions are
// read from the files lazily, when the view first asks to display them (only rows actually
// painted), and at most once per SetReports.
#include <QAbstractTableModel>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class ReportListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ReportListModel(QObject* parent = nullptr);

  // Replaces the rows (a model reset) and forgets every description read so far.
  void SetReports(std::filesystem::path reportDir, std::vector<std::string> names);
  const std::vector<std::string>& Names() const { return names_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    QString date;
    QString time;
    // Read on first display; a file that cannot be read shows an empty cell until the next
    // SetReports, so a missing file is not asked for again on every paint.
    mutable std::optional<QString> description;
  };

  std::filesystem::path reportDir_;
  std::vector<std::string> names_;
  std::vector<Row> rows_;
};
