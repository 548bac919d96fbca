// TFreqSel, the "Frequency Analysis" window: chooses the document in the
// editor or files ("Browse..."), runs the analysis ("Generate Word Lists")
// on a worker thread with the main window's status caption and progress bar,
// and shows the result tables in grids (sortable in Gurmukhi order, searched
// through "Enter Word to Search"), with charts of the counts. The grids are
// filled with the counts as soon as they are made, while the worker writes
// them into the tables; a loaded word list is read from its tables. "Cancel" stops an analysis before its tables are
// written; the tables are replaced all at once (analysis/result_tables.h),
// so a cancelled or failed analysis leaves the last ones as they were.
// Double-clicking a word of a single-document analysis opens the concordance.
//
// "Options..." opens "Frequency Options": its thresholds hold for the next
// analyses, and its length and frequency filter narrows the word grid shown
// (not the tables) until the next analysis or loaded list shows every word.
//
// "Save Word List..." keeps the tables under a name in WordList/ or writes
// them as a comma-delimited text; "Load Word List..." shows a stored list.
#pragma once

#include <QWidget>
#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <vector>

#include "analysis/frequency_analysis.h"
#include "analysis/frequency_options.h"
#include "analysis/result_rows.h"
#include "common/file_dialogs.h"
#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/registry.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QThread;

namespace quilm::ui {

class FrequencyCharts;
class ResultTableModel;
class WordFilterProxy;

inline constexpr const char* kAnalysisFilter =
    "Word Documents (*.Doc)|*.doc|Text files (*.txt)|*.txt|ISCII files (*.aci)|*.aci|"
    "RTF Documents (*.Rtf)|*.rtf|Punjabi files (*.pbi)|*.pbi";
inline constexpr const char* kCurrentDocumentName = "(current document)";

struct FreqSelContext {
  const FontRegistry& fonts;
  Editor& editor;          // the document in the main window
  Prompter& prompter;      // messages, status caption and progress bar
  FileDialogs& dialogs;
  std::filesystem::path data_folder;  // holds the result tables, their templates in Dict/
};

class TFreqSel : public QWidget {
  Q_OBJECT
 public:
  explicit TFreqSel(FreqSelContext context, QWidget* parent = nullptr);
  ~TFreqSel() override;

  // The grids, in the order of the tabs: words, characters, statistics,
  // pairs, triples, positions.
  QTableView* grid(ResultTable table) const;
  ResultTableModel* model(ResultTable table) const;
  QSortFilterProxyModel* sorted(ResultTable table) const;
  QTabWidget* views() const { return tabs_; }
  FrequencyCharts* charts() const { return charts_; }
  QLineEdit* source_files() const { return files_box_; }
  QLineEdit* search_box() const { return search_; }
  QComboBox* font_list() const { return font_list_; }
  QComboBox* language_list() const { return language_; }
  QPushButton* generate_button() const { return generate_; }
  QPushButton* cancel_button() const { return cancel_; }
  QPushButton* options_button() const { return options_button_; }
  bool running() const { return worker_ != nullptr; }
  const AnalysisOutcome& outcome() const { return outcome_; }

 public slots:
  void BrowseClick();
  void CurrentDocumentClick();
  void GenerateClick();
  void CancelClick();
  void ExportChartClick();
  void SaveWordListClick();
  void LoadWordListClick();
  void OptionsClick();

 public:
  // What OK of "Frequency Options" does: the thresholds are kept for the
  // next analyses and, when words have been analysed, the word grid shows
  // only the words within the filter.
  void ApplyOptions(const FrequencyOptions& options);
  const FrequencyOptions& options() const { return options_; }

  // The work of the two word-list dialogs: save the shown tables as the
  // list `name` (or as data folder/name.Txt, comma-delimited), and show the
  // stored list `name`. Questions and failures go to the prompter.
  void SaveWordList(const std::string& name, bool comma_delimited);
  void LoadWordList(const std::string& name);
  const std::string& word_list_name() const { return word_list_name_; }

 signals:
  // The grids show the counts of an analysis; its tables are being written.
  void gridsFilled();
  // An analysis has ended: its tables are written (and its grids filled),
  // or it failed or was cancelled.
  void analysisFinished(bool filled);

 private:
  struct Job;
  void setupWidgets();
  QTableView* addGrid(ResultTable table, const QString& caption);
  void refreshButtons();
  AnalysisRequest request() const;
  void finishJob();
  void fillGrids(const Job& job);
  void showRows(std::array<std::vector<ResultRow>, 6> rows);
  std::vector<ResultRow> shownRows(ResultTable table) const;
  void search(const QString& text);
  void openConcordance(const QModelIndex& index);
  QFont wordFont() const;

  FreqSelContext context_;
  std::vector<std::filesystem::path> files_;
  bool current_document_ = false;
  std::filesystem::path tables_folder_;  // where the shown tables are: the data folder, or a loaded list
  std::string word_list_name_;
  AnalysisOutcome outcome_;
  FrequencyOptions options_;
  std::shared_ptr<Job> job_;
  QThread* worker_ = nullptr;

  QLineEdit* files_box_ = nullptr;
  QComboBox* font_list_ = nullptr;
  QComboBox* language_ = nullptr;
  QPushButton* generate_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* options_button_ = nullptr;
  QLineEdit* search_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<ResultTableModel*, 6> models_{};
  std::array<QSortFilterProxyModel*, 6> proxies_{};
  std::array<QTableView*, 6> grids_{};
  WordFilterProxy* word_proxy_ = nullptr;
  FrequencyCharts* charts_ = nullptr;
};

}  // namespace quilm::ui
