#include "reports/dialog/report_list_model.h"

#include <QFile>

#include "reports/report_names.h"
#include "reports/report_tail.h"

namespace {
enum Column { DateColumn, TimeColumn, DescriptionColumn, ColumnCount };
}  // namespace

ReportListModel::ReportListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportListModel::SetReports(std::filesystem::path reportDir, std::vector<std::string> names) {
  beginResetModel();
  reportDir_ = std::move(reportDir);
  names_ = std::move(names);
  rows_.clear();
  rows_.reserve(names_.size());
  for (const std::string& name : names_) {
    ReportNameColumns columns = SplitReportName(name);
    rows_.push_back({QFile::decodeName(columns.date.c_str()), QFile::decodeName(columns.time.c_str()),
                     std::nullopt});
  }
  endResetModel();
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const Row& row = rows_[index.row()];
  switch (index.column()) {
    case DateColumn: return row.date;
    case TimeColumn: return row.time;
    case DescriptionColumn:
      if (!row.description) {
        const auto text = ReadReportDescription(ReportFilePath(reportDir_, names_[index.row()]));
        row.description = QString::fromStdString(text.value_or(std::string()));
      }
      return *row.description;
    default: return {};
  }
}
