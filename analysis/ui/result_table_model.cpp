#include "analysis/ui/result_table_model.h"

#include <cstring>

namespace quilm::ui {
namespace {

// The collation key field of a word field, by the fields' names.
const char* key_field_of(const char* field) {
  static const std::pair<const char*, const char*> kKeys[] = {
      {"Word", "SortKey"}, {"Character", "SortKey"}, {"word", "sortw"}, {"pword", "psortw"}, {"ppword", "ppsortw"}};
  for (const auto& [word, key] : kKeys)
    if (std::strcmp(word, field) == 0) return key;
  return nullptr;
}

int field_position(const ResultTableShape& shape, const char* name) {
  for (std::size_t i = 0; i < shape.fields.size(); ++i)
    if (std::strcmp(shape.fields[i].name, name) == 0) return static_cast<int>(i);
  return -1;
}

// A key as a string of one character per byte: the proxy compares strings
// by their UTF-16 units, which keeps the unsigned order of the bytes.
QString key_string(const FieldValue& value) {
  const Bytes b = value.as_text();
  return QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size()));
}

}  // namespace

ResultTableModel::ResultTableModel(ResultTable table, QObject* parent) : QAbstractTableModel(parent), table_(table) {
  const ResultTableShape& shape = result_table_shape(table);
  for (std::size_t i = 0; i < shape.fields.size(); ++i) {
    if (shape.fields[i].key) continue;
    shown_.push_back(i);
    const char* key = key_field_of(shape.fields[i].name);
    const int key_at = key ? field_position(shape, key) : -1;
    sort_field_.push_back(key_at >= 0 ? key_at : static_cast<int>(i));
    word_column_.push_back(key != nullptr);
  }
}

void ResultTableModel::set_rows(std::vector<ResultRow> rows, TextReading reading, const QFont& word_font) {
  beginResetModel();
  rows_ = std::move(rows);
  reading_ = reading;
  word_font_ = word_font;
  endResetModel();
}

int ResultTableModel::column_of(const char* field) const {
  const ResultTableShape& shape = result_table_shape(table_);
  for (std::size_t c = 0; c < shown_.size(); ++c)
    if (std::strcmp(shape.fields[shown_[c]].name, field) == 0) return static_cast<int>(c);
  return -1;
}

const FieldValue& ResultTableModel::value(int row, int column) const {
  return rows_[static_cast<std::size_t>(row)][shown_[static_cast<std::size_t>(column)]];
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QString ResultTableModel::text_of(const FieldValue& value) const {
  const Bytes b = value.as_text();
  if (value.is_text() && reading_.kind == TextKind::Utf8)
    return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
  return QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size()));
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const ResultRow& row = rows_[static_cast<std::size_t>(index.row())];
  const FieldValue& shown = row[shown_[static_cast<std::size_t>(index.column())]];
  switch (role) {
    case Qt::DisplayRole:
      return text_of(shown);
    case Qt::FontRole:
      if (word_column_[static_cast<std::size_t>(index.column())]) return word_font_;
      return {};
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(shown.is_text() ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    case kSortRole: {
      const FieldValue& by = row[static_cast<std::size_t>(sort_field_[static_cast<std::size_t>(index.column())])];
      if (by.is_integer()) return QVariant::fromValue<qlonglong>(by.as_integer());
      if (by.is_real()) return by.as_real();
      const char* name = result_table_shape(table_).fields[shown_[static_cast<std::size_t>(index.column())]].name;
      if (std::strcmp(name, "percentage") == 0) return by.as_real();
      return key_string(by);
    }
    default:
      return {};
  }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  return QString::fromLatin1(result_table_shape(table_).fields[shown_[static_cast<std::size_t>(section)]].name);
}

}  // namespace quilm::ui
