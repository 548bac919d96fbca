// "Page Numbering": where the page numbers go (none, header, footer), their
// alignment and the first number. OK with a first number that is not 0 to
// 9999 says so and keeps the dialog open; nothing is taken over.
#pragma once

#include <QDialog>

#include "app/document/page_numbering.h"

class QButtonGroup;
class QLineEdit;

namespace quilm::ui {

class TPageNumber : public QDialog {
  Q_OBJECT
 public:
  explicit TPageNumber(QWidget* parent = nullptr);

  // Shows `numbering`; after OK, numbering() is what the user chose.
  void set_numbering(const PageNumbering& numbering);
  PageNumbering numbering() const { return numbering_; }

  void accept() override;

 private:
  PageNumbering numbering_;
  QButtonGroup* place_ = nullptr;
  QButtonGroup* alignment_ = nullptr;
  QLineEdit* first_number_ = nullptr;
};

}  // namespace quilm::ui
