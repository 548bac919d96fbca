#include "app/ui/page_commands.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/ui/page_number_dialog.h"
#include "app/ui/tool_button.h"
#include "editors/ui/qt_editor.h"

namespace quilm::ui {
namespace {

QAction* add_item(QMenu& menu, const char* name, const QString& caption, const char* icon) {
  QAction* action = menu.addAction(QIcon::fromTheme(icon), caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

PageCommands::PageCommands(QWidget& window, QtEditor& editor, std::function<std::string()> document_name)
    : QObject(&window), window_(window), editor_(editor), document_name_(std::move(document_name)) {}

void PageCommands::add_file_items(QMenu& menu, QToolBar& bar) {
  menu.addSeparator();
  QAction* setup = add_item(menu, "PageProperties1", tr("Page Properties..."), "document-page-setup");
  connect(setup, &QAction::triggered, this, &PageCommands::PageProperties1Click);
  QAction* preview = add_item(menu, "PrintPreview1", tr("Print Pre&view"), "document-print-preview");
  connect(preview, &QAction::triggered, this, &PageCommands::PrintPreview1Click);
  QAction* print = add_item(menu, "Print1", tr("&Print..."), "document-print");
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, &PageCommands::Print1Click);
  add_button(bar, print, "PrintButton", tr("Print"), tr("Print Document"));
  add_button(bar, preview, "PreviewButton", tr("Preview"), tr("Print Preview"));
}

void PageCommands::add_insert_items(QMenuBar& menus, QToolBar& bar) {
  QMenu* insert = menus.findChild<QMenu*>("Insert1");
  if (!insert) {
    insert = menus.addMenu(tr("&Insert"));
    insert->setObjectName("Insert1");
  }
  QAction* number = add_item(*insert, "PageNumber1", tr("Page Number..."), "format-justify-center");
  connect(number, &QAction::triggered, this, &PageCommands::PageNumber1Click);
  add_button(bar, number, "PageNumberButton", tr("Page No."), tr("Insert Page Number"));
}

PageNumbering PageCommands::numbering() const { return editor_.PageNumbers(); }

void PageCommands::set_numbering(const PageNumbering& numbering) {
  if (numbering == editor_.PageNumbers()) return;
  editor_.SetPageNumbers(numbering);
  editor_.SetModified(true);
}

PrintJob PageCommands::job() const { return PrintJob{*editor_.widget()->document(), editor_.Page(), numbering()}; }

void PageCommands::PageProperties1Click() { run_page_setup(&window_, editor_); }

void PageCommands::PrintPreview1Click() { show_print_preview(&window_, job()); }

void PageCommands::Print1Click() {
  print_with_dialog(&window_, job(), QString::fromStdString(document_name_()));
}

void PageCommands::PageNumber1Click() {
  if (!page_number_) page_number_ = new TPageNumber(&window_);
  page_number_->set_numbering(numbering());
  if (page_number_->exec() == QDialog::Accepted) set_numbering(page_number_->numbering());
}

}  // namespace quilm::ui
