// The program's help: its HTML pages in a help browser window, the Help menu
// ("&Help Topics", "&About Quilm 2010") and F1, which opens the page of the
// window it is pressed in.
#pragma once

#include <QObject>
#include <QStringList>
#include <QWidget>

class QMenuBar;
class QTextBrowser;

namespace quilm::ui {

// The folders where the help pages may be, in the order they are tried:
// "help" beside the program, the installed share/quilm/help, the help folder
// of a build tree the program sits in, and the folder this build wrote them to.
QStringList help_folder_candidates();
// The first of those that holds the contents page; empty when none does.
QString help_folder();

// The help browser: one window, reused, with Back, Forward and Contents.
class HelpBrowser : public QWidget {
  Q_OBJECT
 public:
  explicit HelpBrowser(const QString& folder, QWidget* parent = nullptr);
  // Shows `page` (a file name of the help folder) and raises the window.
  void show_page(const QString& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

// The About box: the program, its version, and the licences of the data and
// of the fonts it ships.
class TAboutBox;
void show_about_box(QWidget* parent);

// The Help menu of `window` and F1 anywhere in the program.
class HelpCommands : public QObject {
  Q_OBJECT
 public:
  explicit HelpCommands(QWidget& window);
  void add_help_menu(QMenuBar& menus);
  // Opens the help on the page of `window` (its own or that of the nearest
  // window it belongs to), the contents when it has none. False when the
  // help pages were not found (said in a message).
  bool show_help_for(const QWidget* window);
  HelpBrowser* browser() const { return browser_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool open_page(const QString& page);
  QWidget& window_;
  HelpBrowser* browser_ = nullptr;  // made on first use
};

}  // namespace quilm::ui
