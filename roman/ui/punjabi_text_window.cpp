#include "roman/ui/punjabi_text_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "editors/ui/qt_editor.h"
#include "encoding/utf16.h"
#include "roman/punjabi_text.h"

namespace quilm::ui {
namespace {

// The editor's clipboard actions.
enum ClipAction { kCut = 1, kCopy = 2, kPaste = 3, kDelete = 4 };

}  // namespace

// What the worker thread is given and hands back; the window reads the
// result only after the thread has finished.
struct TRomanGurTransliterate::Job {
  const RomanData* data = nullptr;
  PunjabiTextSource source;
  long total = 0;
  std::atomic<long> done{0};
  std::atomic<bool> cancel{false};
  std::optional<std::vector<TextRun>> runs;

  void run() {
    runs = punjabi_text_runs(*data, source, true, [this](long d) {
      done = d;
      return !cancel;
    });
  }
};

TRomanGurTransliterate::TRomanGurTransliterate(PunjabiTextContext context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      context_(std::move(context)),
      data_(std::make_unique<RomanData>()),
      output_(std::make_unique<QtEditor>()) {
  setObjectName("TRomanGurTransliterate");
  setWindowTitle("Punjabi Text");
  resize(460, 340);
  const FontRegistry& fonts = context_.fonts;
  output_->SetLegacyFonts([&fonts](const std::string& name) { return fonts.check_font_punjabi(name); });
  QTextEdit* text = output_->widget();
  text->setParent(this);
  text->setObjectName("PunjabiText");
  text->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text, &QWidget::customContextMenuRequested, this, &TRomanGurTransliterate::showContextMenu);

  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* caption, const char* name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  connect(button("Save", "BitBtn2"), &QPushButton::clicked, this, &TRomanGurTransliterate::SaveClick);
  transliterate_ = button("Transliterate", "BitBtn4");
  connect(transliterate_, &QPushButton::clicked, this, &TRomanGurTransliterate::TransliterateClick);
  connect(button("Add word ", "AddWord"), &QPushButton::clicked, this, &TRomanGurTransliterate::addWordRequested);
  cancel_ = button("Cancel", "Cancel");
  connect(cancel_, &QPushButton::clicked, this, &TRomanGurTransliterate::CancelClick);
  connect(button("Close", "Close"), &QPushButton::clicked, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(buttons);
  refreshButtons();
}

TRomanGurTransliterate::~TRomanGurTransliterate() {
  if (worker_) {
    job_->cancel = true;
    worker_->wait();
  }
}

Editor& TRomanGurTransliterate::output() const { return *output_; }
QTextEdit* TRomanGurTransliterate::text_box() const { return output_->widget(); }

void TRomanGurTransliterate::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  TransliterateClick();
}

void TRomanGurTransliterate::closeEvent(QCloseEvent* event) {
  CancelClick();
  QWidget::closeEvent(event);
}

// A missing Roman dictionary stops the window with a message; any other
// missing table only weakens the ranking, and is named once.
bool TRomanGurTransliterate::load_data() {
  if (data_loaded_) return true;
  std::vector<std::string> warnings;
  if (Status s = load_roman_data(context_.data_folder, data_.get(), &warnings); !s) {
    context_.prompter.error(s.message());
    data_ = std::make_unique<RomanData>();
    return false;
  }
  if (!warnings.empty()) {
    std::string text = "Some Roman data could not be read; the words are ranked without it:";
    for (const std::string& w : warnings) text += "\n" + w;
    context_.prompter.message(text);
  }
  data_loaded_ = true;
  return true;
}

void TRomanGurTransliterate::TransliterateClick() {
  if (running()) return;
  output_->Clear();
  std::optional<PunjabiTextSource> source = punjabi_text_source(context_.editor, context_.fonts, context_.prompter);
  if (!source || !load_data()) {
    emit transliterationFinished(false);
    return;
  }
  job_ = std::make_shared<Job>();
  job_->data = data_.get();
  job_->total = static_cast<long>(to_utf8(source->text).size());
  job_->source = std::move(*source);
  context_.prompter.status_caption(kRomanToGurmukhiCaption);
  context_.prompter.progress_start(job_->total);
  std::shared_ptr<Job> job = job_;
  worker_ = QThread::create([job] { job->run(); });
  connect(worker_, &QThread::finished, this, &TRomanGurTransliterate::finishJob);
  auto* ticker = new QTimer(worker_);
  connect(ticker, &QTimer::timeout, this, [this, job] { context_.prompter.progress_step(job->done); });
  ticker->start(50);
  refreshButtons();
  worker_->start();
}

void TRomanGurTransliterate::CancelClick() {
  if (job_) job_->cancel = true;
}

void TRomanGurTransliterate::finishJob() {
  worker_->deleteLater();
  worker_ = nullptr;
  const std::shared_ptr<Job> job = std::move(job_);
  context_.prompter.progress_end();
  context_.prompter.status_caption("");
  const bool written = job->runs.has_value();
  if (written) write_punjabi_text(*job->runs, *output_);
  refreshButtons();
  emit transliterationFinished(written);
}

void TRomanGurTransliterate::refreshButtons() {
  transliterate_->setEnabled(!running());
  cancel_->setEnabled(running());
}

void TRomanGurTransliterate::SaveClick() { SavePunjabiText(*output_, context_.dialogs, context_.prompter); }

void TRomanGurTransliterate::showContextMenu(const QPoint& at) {
  QMenu menu(this);
  const bool selected = output_->SelLength() > 0;
  const std::pair<const char*, int> items[] = {{"Cut", kCut}, {"Copy", kCopy}, {"Paste", kPaste}, {"Delete", kDelete}};
  for (const auto& [caption, action] : items) {
    QAction* a = menu.addAction(caption, this, [this, clip = action] { output_->Clip(clip); });
    if (action != kPaste) a->setEnabled(selected);
  }
  menu.addAction("Select All", this, [this] { output_->Select(0, output_->TextLength()); });
  menu.exec(text_box()->mapToGlobal(at));
}

}  // namespace quilm::ui
