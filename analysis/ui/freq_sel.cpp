#include "analysis/ui/freq_sel.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <functional>

#include "analysis/concordance.h"
#include "analysis/document_text.h"
#include "analysis/frequency_ranking.h"
#include "analysis/result_tables.h"
#include "analysis/ui/concordance_window.h"
#include "analysis/ui/freq_option.h"
#include "analysis/ui/frequency_charts.h"
#include "analysis/ui/result_table_model.h"
#include "analysis/ui/word_filter_proxy.h"
#include "analysis/ui/word_list_dialogs.h"
#include "analysis/word_list_export.h"
#include "analysis/word_lists.h"
#include "common/file_io.h"
#include "convert/file_font_conversion.h"

namespace quilm::ui {
namespace {

constexpr int kStages = 3;  // read and count, write the tables, done

QString qs(const std::string& s) { return QString::fromStdString(s); }

std::size_t slot(ResultTable t) { return static_cast<std::size_t>(t); }

bool iscii_file(const std::filesystem::path& file) {
  return QFileInfo(QString::fromStdString(file.string())).suffix().toUpper() == "ACI";
}

}  // namespace

// What the worker thread is given and hands back. The window reads the
// results only after the thread has finished.
struct TFreqSel::Job {
  AnalysisRequest request;
  std::optional<std::vector<TextRun>> document;  // the editor's document, taken on the window's thread
  std::optional<std::string> document_font;      // the font its words are read into, when chosen
  std::filesystem::path data_folder;
  std::atomic<bool> cancel{false};
  std::atomic<int> stage{0};
  std::atomic<int> file{0};  // the file being read, from 0
  Status status = Status::Ok();
  AnalysisOutcome outcome;
  std::function<void()> counted;  // called on the worker when the counts are made

  void run() {
    ConversionContext context;  // the worker's own: the workspace's stays with the window's thread
    const FontConverter converter(context);
    if (document) {
      const AnalysedText text =
          document_analysis_text(*document, request.reading.english, *request.fonts, converter, document_font);
      run_text_frequency_analysis(text, kCurrentDocumentName, request.thresholds, converter, outcome);
    } else {
      int next = 0;
      status = run_frequency_analysis(request, converter, outcome, [this, &next](const auto&) {
        file = next++;
        return !cancel;
      });
    }
    if (!status.ok()) return;
    if (cancel) {
      status = Status::Error("Cancelled");
      return;
    }
    stage = 1;
    counted();
    const std::vector<ResultTable> all(kResultTables.begin(), kResultTables.end());
    status = write_result_tables(outcome.results, all, data_folder / "Dict", data_folder);
    stage = 2;
  }
};

TFreqSel::TFreqSel(FreqSelContext context, QWidget* parent) : QWidget(parent, Qt::Window), context_(context) {
  setObjectName("TFreqSel");
  tables_folder_ = context_.data_folder;
  setWindowTitle("Frequency Analysis");
  resize(980, 700);
  setupWidgets();
  refreshButtons();
}

TFreqSel::~TFreqSel() {
  if (worker_) {
    job_->cancel = true;
    worker_->wait();
  }
}

void TFreqSel::setupWidgets() {
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("Source Files"), this), 0, 0);
  files_box_ = new QLineEdit(this);
  files_box_->setObjectName("SourceFiles");
  files_box_->setReadOnly(true);
  layout->addWidget(files_box_, 0, 1, 1, 3);
  const auto button = [&](const QString& caption, const char* name, void (TFreqSel::*click)(), int row, int column) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, click);
    layout->addWidget(b, row, column);
    return b;
  };
  button(tr("Browse..."), "Browse", &TFreqSel::BrowseClick, 0, 4);
  button(tr("Current Document"), "CurrentDocument", &TFreqSel::CurrentDocumentClick, 0, 5);
  options_button_ = button(tr("Options..."), "Options", &TFreqSel::OptionsClick, 0, 6);

  layout->addWidget(new QLabel(tr("Punjabi Font Used"), this), 1, 0);
  font_list_ = new QComboBox(this);
  font_list_->setObjectName("PunjabiFontUsed");
  for (const std::string& name : file_conversion_source_fonts(context_.fonts)) font_list_->addItem(qs(name));
  const QString automatic = QString::fromLatin1(kAutomaticDetection.data(), kAutomaticDetection.size());
  font_list_->insertItem(font_list_->findText(automatic) + 1,
                         QString::fromLatin1(kUnicodeChoice.data(), kUnicodeChoice.size()));
  font_list_->setCurrentText(automatic);
  layout->addWidget(font_list_, 1, 1);
  layout->addWidget(new QLabel(tr("Language"), this), 1, 2);
  language_ = new QComboBox(this);
  language_->setObjectName("Language");
  language_->addItems({"Punjabi", "English"});
  layout->addWidget(language_, 1, 3);
  generate_ = button(tr("Generate Word Lists"), "GenerateWordLists", &TFreqSel::GenerateClick, 1, 4);
  cancel_ = button(tr("Cancel"), "CancelAnalysis", &TFreqSel::CancelClick, 1, 5);

  search_ = new QLineEdit(this);
  search_->setObjectName("SearchWord");
  connect(search_, &QLineEdit::textChanged, this, &TFreqSel::search);
  layout->addWidget(new QLabel(tr("Enter Word to Search"), this), 2, 0);
  layout->addWidget(search_, 2, 1, 1, 3);
  button(tr("Save Word List..."), "SaveWordList", &TFreqSel::SaveWordListClick, 2, 4);
  button(tr("Load Word List..."), "LoadWordList", &TFreqSel::LoadWordListClick, 2, 5);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("Views");
  addGrid(ResultTable::WordFreq, tr("Word Frequency"));
  addGrid(ResultTable::CharFreq, tr("Character Frequency"));
  addGrid(ResultTable::Stats, tr("Statistics"));
  addGrid(ResultTable::BiGram, tr("BiGram Frequency"));
  addGrid(ResultTable::TriGram, tr("TriGram Frequency"));
  addGrid(ResultTable::WordPos, tr("Word Positions"));
  charts_ = new FrequencyCharts(tabs_);
  connect(charts_, &FrequencyCharts::exportRequested, this, &TFreqSel::ExportChartClick);
  tabs_->addTab(charts_, tr("Charts"));
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { search(search_->text()); });
  layout->addWidget(tabs_, 3, 0, 1, 7);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(3, 1);

  connect(grids_[slot(ResultTable::WordFreq)], &QTableView::doubleClicked, this, &TFreqSel::openConcordance);
}

QTableView* TFreqSel::addGrid(ResultTable table, const QString& caption) {
  auto* model = new ResultTableModel(table, this);
  QSortFilterProxyModel* proxy = nullptr;
  if (table == ResultTable::WordFreq) proxy = word_proxy_ = new WordFilterProxy(this);
  else proxy = new QSortFilterProxyModel(this);
  proxy->setSourceModel(model);
  proxy->setSortRole(ResultTableModel::kSortRole);
  proxy->setSortCaseSensitivity(Qt::CaseSensitive);
  proxy->setFilterCaseSensitivity(Qt::CaseSensitive);
  auto* grid = new QTableView(tabs_);
  grid->setObjectName(QString::fromLatin1(result_table_shape(table).file).section('.', 0, 0) + "Grid");
  grid->setModel(proxy);
  grid->setSortingEnabled(table != ResultTable::Stats);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->verticalHeader()->setDefaultSectionSize(26);
  grid->horizontalHeader()->setStretchLastSection(true);
  if (table != ResultTable::Stats) grid->sortByColumn(-1, Qt::AscendingOrder);  // the table's own order
  tabs_->addTab(grid, caption);
  models_[slot(table)] = model;
  proxies_[slot(table)] = proxy;
  grids_[slot(table)] = grid;
  return grid;
}

QTableView* TFreqSel::grid(ResultTable table) const { return grids_[slot(table)]; }
ResultTableModel* TFreqSel::model(ResultTable table) const { return models_[slot(table)]; }
QSortFilterProxyModel* TFreqSel::sorted(ResultTable table) const { return proxies_[slot(table)]; }

void TFreqSel::refreshButtons() {
  generate_->setEnabled(!running() && (current_document_ || !files_.empty()));
  cancel_->setEnabled(running());
}

// "Browse...": the chosen names fill the box, each followed by a blank.
void TFreqSel::BrowseClick() {
  if (running()) return;
  FileDialogRequest r;
  r.filter = kAnalysisFilter;
  r.filter_index = 2;
  r.must_exist = true;
  files_ = context_.dialogs.open_many(r);
  current_document_ = false;
  QString names;
  for (const std::filesystem::path& f : files_) names += QString::fromStdString(f.filename().string()) + ' ';
  files_box_->setText(names);
  if (!files_.empty()) word_list_name_ = default_word_list_name(files_.front());
  refreshButtons();
}

void TFreqSel::CurrentDocumentClick() {
  if (running()) return;
  files_.clear();
  current_document_ = true;
  files_box_->setText(tr(kCurrentDocumentName));
  word_list_name_ = "document";
  refreshButtons();
}

AnalysisRequest TFreqSel::request() const {
  AnalysisRequest r;
  r.files = files_;
  r.fonts = &context_.fonts;
  r.thresholds = options_.thresholds;
  const std::string font = font_list_->currentText().toStdString();
  const bool english = language_->currentIndex() == 1;
  if (!files_.empty() && iscii_file(files_.front())) {
    r.reading = {TextKind::Iscii, 51, english};
    r.font_name = "Quilm2010R";
  } else if (context_.fonts.check_font_punjabi(font)) {
    r.reading = {TextKind::Legacy, context_.fonts.get_font_index(font), english};
    r.font_name = font;
    r.font_chosen = true;
  } else {
    r.reading = {TextKind::Utf8, 30, english};
    r.font_name = english ? kEnglishAnalysisFont : kUnicodeAnalysisFont;
  }
  return r;
}

void TFreqSel::GenerateClick() {
  if (running() || (!current_document_ && files_.empty())) return;
  job_ = std::make_shared<Job>();
  job_->request = request();
  job_->data_folder = context_.data_folder;
  if (current_document_) {
    job_->document = context_.editor.Runs();
    if (job_->request.font_chosen) job_->document_font = job_->request.font_name;
  }
  const std::string first = current_document_ ? kCurrentDocumentName : files_.front().filename().string();
  context_.prompter.status_caption("Analysing: " + first);
  context_.prompter.progress_start(kStages);
  std::shared_ptr<Job> job = job_;
  // The grids show the counts while the worker writes them into the tables.
  // The job keeps this call, so the call holds the job only weakly; the
  // queued fill holds it until it has run.
  job->counted = [this, weak = std::weak_ptr<Job>(job)] {
    std::shared_ptr<Job> counted_job = weak.lock();
    if (!counted_job) return;
    QMetaObject::invokeMethod(this, [this, counted_job] { fillGrids(*counted_job); }, Qt::QueuedConnection);
  };
  worker_ = QThread::create([job] { job->run(); });
  connect(worker_, &QThread::finished, this, &TFreqSel::finishJob);
  // The progress bar follows the worker's stages while it runs, the status
  // caption the file it reads.
  auto* ticker = new QTimer(worker_);
  connect(ticker, &QTimer::timeout, this, [this, job, shown = 0]() mutable {
    context_.prompter.progress_step(job->stage);
    if (job->file == shown || job->request.files.empty()) return;
    shown = job->file;
    const auto& file = job->request.files[static_cast<std::size_t>(shown)];
    context_.prompter.status_caption("Analysing: " + file.filename().string());
  });
  ticker->start(50);
  refreshButtons();
  worker_->start();
}

void TFreqSel::CancelClick() {
  if (job_) job_->cancel = true;
}

void TFreqSel::finishJob() {
  worker_->deleteLater();
  worker_ = nullptr;
  std::shared_ptr<Job> job = std::move(job_);
  context_.prompter.progress_step(kStages);
  context_.prompter.progress_end();
  context_.prompter.status_caption("");
  const bool filled = job->status.ok();
  if (filled && !job->outcome.note.empty()) context_.prompter.message(job->outcome.note);
  if (filled) tables_folder_ = context_.data_folder;
  else if (job->status.message() != "Cancelled") context_.prompter.error(job->status.message());
  refreshButtons();
  emit analysisFinished(filled);
}

QFont TFreqSel::wordFont() const {
  if (outcome_.reading.english) return QFont("Arial", 11);
  if (outcome_.reading.kind == TextKind::Utf8) {
    QFont font;
    font.setPointSize(14);
    return font;
  }
  return QFont(qs(outcome_.font_name), 14);
}

// The rows the worker is writing into the tables, from its counts (which it
// only reads from now on).
void TFreqSel::fillGrids(const Job& job) {
  outcome_ = job.outcome;
  ResultTableRows rows;
  for (ResultTable t : kResultTables)
    for_each_result_row(outcome_.results, t, [&](const ResultRow& row) { rows[slot(t)].push_back(row); });
  showRows(std::move(rows));
  emit gridsFilled();
}

void TFreqSel::showRows(std::array<std::vector<ResultRow>, 6> rows) {
  const QFont font = wordFont();
  word_proxy_->set_word_filter(std::nullopt);
  for (ResultTable t : kResultTables) models_[slot(t)]->set_rows(std::move(rows[slot(t)]), outcome_.reading, font);
  const auto& words = models_[slot(ResultTable::WordFreq)]->rows();
  const auto& characters = models_[slot(ResultTable::CharFreq)]->rows();
  charts_->show_counts(most_frequent(words, 0, 3, FrequencyCharts::kBars),
                       most_frequent(characters, 0, 2, FrequencyCharts::kBars), rank_frequencies(words, 3),
                       outcome_.reading, font);
  search_->setFont(font);
  tabs_->setCurrentIndex(0);
}

// The search box keeps the rows of the current grid whose word (in a pair or
// triple, any word) holds the typed text.
void TFreqSel::search(const QString& text) {
  for (QSortFilterProxyModel* proxy : proxies_) proxy->setFilterFixedString(QString());
  const int tab = tabs_->currentIndex();
  for (std::size_t i = 0; i < grids_.size(); ++i)
    if (tabs_->widget(tab) == grids_[i]) {
      const bool any_word = i == slot(ResultTable::BiGram) || i == slot(ResultTable::TriGram);
      proxies_[i]->setFilterKeyColumn(any_word ? -1 : 0);
      proxies_[i]->setFilterFixedString(text);
    }
}

void TFreqSel::openConcordance(const QModelIndex& index) {
  if (!outcome_.positions_usable || !index.isValid()) return;
  const QModelIndex source = proxies_[slot(ResultTable::WordFreq)]->mapToSource(index);
  const Bytes word = models_[slot(ResultTable::WordFreq)]->value(source.row(), 0).as_text();
  const std::vector<ConcordanceLine> lines =
      concordance(outcome_.analysed_text, word, positions_of(outcome_.results, word),
                  outcome_.reading.kind == TextKind::Utf8);
  auto* window = new ConcordanceWindow(lines, outcome_.reading, wordFont(), this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
}

// The rows of a grid in the order it shows them.
std::vector<ResultRow> TFreqSel::shownRows(ResultTable table) const {
  QSortFilterProxyModel* proxy = proxies_[slot(table)];
  const std::vector<ResultRow>& rows = models_[slot(table)]->rows();
  std::vector<ResultRow> out;
  out.reserve(static_cast<std::size_t>(proxy->rowCount()));
  for (int r = 0; r < proxy->rowCount(); ++r)
    out.push_back(rows[static_cast<std::size_t>(proxy->mapToSource(proxy->index(r, 0)).row())]);
  return out;
}

void TFreqSel::SaveWordListClick() {
  if (running()) return;
  SaveWordListDialog dialog(qs(word_list_name_), this);
  if (dialog.exec() != QDialog::Accepted) return;
  SaveWordList(dialog.name().toStdString(), dialog.comma_delimited());
}

void TFreqSel::SaveWordList(const std::string& name, bool comma_delimited) {
  Prompter& p = context_.prompter;
  if (!valid_word_list_name(name)) {
    p.error("Cannot Save WordList.: \"" + name + "\" is not a name");
    return;
  }
  p.status_caption("Saving..");
  Status saved = Status::Ok();
  if (comma_delimited) {
    const std::filesystem::path path = context_.data_folder / (name + ".Txt");
    if (!may_replace(path, p)) return p.status_caption("");
    saved = write_file_atomically(path, word_list_csv(shownRows(ResultTable::WordFreq), shownRows(ResultTable::BiGram),
                                                      shownRows(ResultTable::TriGram)));
  } else {
    const WordListStore store(context_.data_folder);
    if (store.exists(name) &&
        !p.ask_yes_no("WordList with same name already existing. Do you want to overwrite it?"))
      return p.status_caption("");
    saved = store.save(name, tables_folder_, true);
  }
  p.status_caption("");
  if (!saved.ok()) p.error(saved.message());
}

void TFreqSel::LoadWordListClick() {
  if (running()) return;
  LoadWordListDialog dialog(WordListStore(context_.data_folder).names(), this);
  if (dialog.exec() != QDialog::Accepted || dialog.name().isEmpty()) return;
  LoadWordList(dialog.name().toStdString());
}

void TFreqSel::LoadWordList(const std::string& name) {
  const WordListStore store(context_.data_folder);
  if (!store.exists(name)) return context_.prompter.error("No word list named \"" + name + "\"");
  ResultTableRows rows;
  if (Status read = read_word_list_tables(store.folder_of(name), rows); !read.ok())
    return context_.prompter.error(read.message());
  const StoredListReading how = stored_list_reading(rows[slot(ResultTable::Stats)], context_.fonts);
  outcome_ = AnalysisOutcome();
  outcome_.reading = how.reading;
  outcome_.font_name = how.font_name;
  tables_folder_ = store.folder_of(name);
  word_list_name_ = name;
  showRows(std::move(rows));
}

void TFreqSel::OptionsClick() {
  TFOption dialog(options_, context_.prompter, this);
  if (dialog.exec() == QDialog::Accepted) ApplyOptions(dialog.options());
}

void TFreqSel::ApplyOptions(const FrequencyOptions& options) {
  options_ = options;
  if (models_[slot(ResultTable::WordFreq)]->rowCount() > 0) word_proxy_->set_word_filter(options_.filter);
}

void TFreqSel::ExportChartClick() {
  FileDialogRequest r;
  r.filter = "PNG pictures (*.png)|*.png";
  r.default_extension = "png";
  r.proposed_name = "analysis.png";
  const std::optional<FileChoice> choice = context_.dialogs.save(r);
  if (!choice || !may_replace(choice->path, context_.prompter)) return;
  if (!charts_->save_png(QString::fromStdString(choice->path.string())))
    context_.prompter.error("Cannot write " + choice->path.string());
}

}  // namespace quilm::ui
