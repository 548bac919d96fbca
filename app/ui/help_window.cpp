#include "app/ui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <string>

#include "app/help_pages.h"
#include "fonts/ui/display_fonts.h"
#include "fonts/ui/program_folders.h"

namespace quilm::ui {
namespace {

QString read_text(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The licences shown in the About box: the data's, then each font licence
// of the display fonts folder.
QString licence_text() {
  QString text = read_text(QDir(help_folder()).filePath("DATA-LICENSES"));
  if (text.isEmpty()) text = QObject::tr("The licences of the data were not found beside the help pages.\n");
  const QDir fonts(display_fonts_folder());
  for (const QString& name : fonts.entryList({"LICENSE*.txt"}, QDir::Files, QDir::Name))
    text += "\n\nFonts (" + name + ")\n" + QString(name.size() + 8, '=') + "\n" + read_text(fonts.filePath(name));
  return text;
}

}  // namespace

QStringList help_folder_candidates() {
  return program_folder_candidates("help", QStringLiteral(QUILM_HELP_DIR));
}

QString help_folder() {
  for (const QString& folder : help_folder_candidates())
    if (QFile::exists(QDir(folder).filePath(kHelpContentsPage))) return QDir(folder).absolutePath();
  return {};
}

HelpBrowser::HelpBrowser(const QString& folder, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpBrowser");
  setWindowTitle(tr("Quilm 2010 Help"));
  resize(760, 600);
  browser_ = new QTextBrowser(this);
  browser_->setSearchPaths({folder});
  browser_->setOpenExternalLinks(true);
  auto* back = new QPushButton(tr("&Back"), this);
  auto* forward = new QPushButton(tr("&Forward"), this);
  auto* contents = new QPushButton(tr("&Contents"), this);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents, &QPushButton::clicked, this, [this] { show_page(kHelpContentsPage); });
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(contents);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
}

void HelpBrowser::show_page(const QString& page) {
  browser_->setSource(QUrl(page));
  show();
  raise();
  activateWindow();
}

void show_about_box(QWidget* parent) {
  QDialog box(parent);
  box.setObjectName("TAboutBox");
  box.setWindowTitle(QObject::tr("About Quilm 2010"));
  box.resize(640, 520);
  auto* layout = new QVBoxLayout(&box);
  auto* title = new QLabel(QObject::tr("<h2>Quilm 2010</h2><p>Version %1</p>"
                                       "<p>A word processor and language toolkit for Punjabi in the Gurmukhi "
                                       "script.</p><p>The word lists, dictionaries and fonts it ships come from "
                                       "the public sources named below, under their own licences.</p>")
                               .arg(QStringLiteral(QUILM_VERSION)),
                           &box);
  title->setObjectName("AboutTitle");
  title->setWordWrap(true);
  auto* licences = new QTextBrowser(&box);
  licences->setObjectName("AboutLicences");
  licences->setPlainText(licence_text());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(title);
  layout->addWidget(licences, 1);
  layout->addWidget(buttons);
  box.exec();
}

HelpCommands::HelpCommands(QWidget& window) : QObject(&window), window_(window) {
  qApp->installEventFilter(this);
}

void HelpCommands::add_help_menu(QMenuBar& menus) {
  QMenu* help = menus.addMenu(tr("&Help"));
  help->setObjectName("Help1");
  QAction* topics = help->addAction(QIcon::fromTheme("help-contents"), tr("&Help Topics"));
  topics->setObjectName("HelpTopics1");
  connect(topics, &QAction::triggered, this, [this] { open_page(kHelpContentsPage); });
  QAction* about = help->addAction(QIcon::fromTheme("help-about"), tr("&About Quilm 2010"));
  about->setObjectName("About1");
  connect(about, &QAction::triggered, this, [this] { show_about_box(&window_); });
}

bool HelpCommands::show_help_for(const QWidget* window) {
  // The window itself, then the window it belongs to, and so on up.
  for (const QWidget* w = window ? window->window() : nullptr; w;
       w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
    for (const std::string& name : {w->objectName().toStdString(), std::string(w->metaObject()->className())})
      if (const char* page = help_page_of_window(name.substr(name.rfind(':') + 1))) return open_page(page);
  return open_page(kHelpContentsPage);
}

bool HelpCommands::open_page(const QString& page) {
  if (!browser_) {
    const QString folder = help_folder();
    if (folder.isEmpty()) {
      QMessageBox::warning(&window_, tr("Help"),
                           tr("The help pages were not found (looked in %1).").arg(help_folder_candidates().join(", ")));
      return false;
    }
    browser_ = new HelpBrowser(folder, &window_);
  }
  browser_->show_page(page);
  return true;
}

bool HelpCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
      const QWidget* w = static_cast<QWidget*>(watched)->window();
      if (w != browser_) show_help_for(w);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quilm::ui
