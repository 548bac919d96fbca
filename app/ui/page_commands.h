// The page commands of the main window: "Page Properties...", "Print
// Pre&view" and "&Print..." of the File menu, "Page Number..." of the Insert
// menu, with their tool bar buttons. The page numbering chosen here is kept
// for the document in the editor and printed with it.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "app/ui/page_printing.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace quilm {
class QtEditor;
}

namespace quilm::ui {

class TPageNumber;

class PageCommands : public QObject {
  Q_OBJECT
 public:
  // `document_name` gives the name a printer error names.
  PageCommands(QWidget& window, QtEditor& editor, std::function<std::string()> document_name);

  // The three File menu items, appended to `menu`, and their buttons on `bar`.
  void add_file_items(QMenu& menu, QToolBar& bar);
  // The Insert menu ("Insert1") with "Page Number...", made when missing.
  void add_insert_items(QMenuBar& menus, QToolBar& bar);

  PrintJob job() const;
  // Kept with the document in the editor, and saved with it.
  PageNumbering numbering() const;
  void set_numbering(const PageNumbering& numbering);

  void PageProperties1Click();
  void PrintPreview1Click();
  void Print1Click();
  void PageNumber1Click();

 private:
  QWidget& window_;
  QtEditor& editor_;
  std::function<std::string()> document_name_;
  TPageNumber* page_number_ = nullptr;  // made on first use
};

}  // namespace quilm::ui
