// A result table of the frequency analysis as a Qt item model: the rows read
// from its table file (analysis/result_table_reader.h), one column per field
// that is no collation key. Words show in the reading of the analysis (glyph
// codes of a legacy font as the characters of that code, UTF-8 as itself),
// so that a view in the words' font draws them.
//
// kSortRole gives what a column sorts by: a word column its collation key
// (so the Gurmukhi order of a dictionary) as a string of one character per
// byte, to be compared case-sensitively; a number column its value, a
// percentage its number.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

#include "analysis/result_rows.h"
#include "analysis/text_words.h"

namespace quilm::ui {

class ResultTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kSortRole = Qt::UserRole + 1;

  ResultTableModel(ResultTable table, QObject* parent = nullptr);

  ResultTable table() const { return table_; }
  // Shows `rows` (in the fields' order of the table), words in `reading`
  // drawn in `word_font`; names, numbers and headers keep the view's font.
  void set_rows(std::vector<ResultRow> rows, TextReading reading, const QFont& word_font);
  const std::vector<ResultRow>& rows() const { return rows_; }
  // The column of a field by its name, -1 when it is a key or absent.
  int column_of(const char* field) const;
  // The row's value of the field shown in `column`.
  const FieldValue& value(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString text_of(const FieldValue& value) const;

  ResultTable table_;
  std::vector<std::size_t> shown_;       // field positions shown, in order
  std::vector<int> sort_field_;          // per shown column, the field it sorts by
  std::vector<bool> word_column_;        // per shown column, whether it holds words
  QFont word_font_;
  std::vector<ResultRow> rows_;
  TextReading reading_;
};

}  // namespace quilm::ui
