// The "Concordance" window: every occurrence of a word with the text before
// it ("First", right-aligned), the word ("Second", in red) and the text after
// it ("Third"), in the words' font. Lines whose text has changed since the
// analysis are marked "(changed)".
#pragma once

#include <QDialog>
#include <vector>

#include "analysis/concordance.h"
#include "analysis/text_words.h"

class QTableWidget;

namespace quilm::ui {

class ConcordanceWindow : public QDialog {
  Q_OBJECT
 public:
  ConcordanceWindow(const std::vector<ConcordanceLine>& lines, TextReading reading, const QFont& font,
                    QWidget* parent = nullptr);

  QTableWidget* grid() const { return grid_; }

 private:
  QTableWidget* grid_ = nullptr;
};

}  // namespace quilm::ui
