// The "Frequency Analysis" window offscreen: the document in the editor or
// a chosen file fills the grids and the charts from the tables written in
// the data folder; the grids sort in Gurmukhi order and the search box
// narrows them; a cancelled analysis leaves the tables and grids as they
// were; a double-click on a word opens its concordance; "Frequency Options"
// takes its six boxes over all or nothing, filters the word grid and sets
// the thresholds of the next analysis.
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "analysis/ui/concordance_window.h"
#include "analysis/ui/freq_option.h"
#include "analysis/ui/freq_sel.h"
#include "analysis/ui/frequency_charts.h"
#include "analysis/ui/result_table_model.h"
#include "common/file_io.h"
#include "tests/app/ui/ready_data_folder.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/fake_file_dialogs.h"

namespace quilm::ui {
namespace {

struct FreqSelTest : ::testing::Test, test::DocumentFixture {
  test::ReadyDataFolder data;
  test::FakeFileDialogs dialogs;
  TFreqSel window{{fonts, editor, prompter, dialogs, data.dir.path()}};

  // Runs the analysis and waits for its end; true when the grids were filled.
  bool generate() {
    QSignalSpy finished(&window, &TFreqSel::analysisFinished);
    window.GenerateClick();
    if (!finished.wait(20000)) return false;
    return finished.front().front().toBool();
  }
  std::vector<QString> column(ResultTable table, int column) const {
    QSortFilterProxyModel* m = window.sorted(table);
    std::vector<QString> out;
    for (int r = 0; r < m->rowCount(); ++r) out.push_back(m->index(r, column).data().toString());
    return out;
  }
};

TEST_F(FreqSelTest, TheDocumentFillsTheGridsAndChartsFromTheWrittenTables) {
  add(u"ਘਰ ਕਰ ਘਰ ਅਤੇ ਘਰ", "Arial");
  window.show();
  window.CurrentDocumentClick();
  EXPECT_EQ(window.source_files()->text(), kCurrentDocumentName);
  ASSERT_TRUE(window.generate_button()->isEnabled());
  ASSERT_TRUE(generate());
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਅਤੇ", "ਕਰ", "ਘਰ"})) << "Gurmukhi order";
  EXPECT_EQ(window.model(ResultTable::BiGram)->rowCount(), 4);
  EXPECT_EQ(window.model(ResultTable::WordPos)->rowCount(), 5);
  EXPECT_EQ(window.model(ResultTable::Stats)->rowCount(), static_cast<int>(kStatsRows));
  EXPECT_TRUE(std::filesystem::exists(data.dir / "WordFreq.db"));
  EXPECT_FALSE(window.charts()->word_bars()->chart()->series().isEmpty());
  EXPECT_FALSE(window.charts()->zipf()->chart()->series().isEmpty());
  EXPECT_EQ(prompter.captions.front(), "Analysing: (current document)");
  EXPECT_EQ(prompter.captions.back(), "");
  EXPECT_EQ(prompter.progress_ends, 1);
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(FreqSelTest, GridsSortByCollationKeyOrCountAndTheSearchBoxNarrowsThem) {
  add(u"ਹਰ ਸਰ ਸਰ ਕਰ ਕਰ ਕਰ ੳਠ", "Arial");
  window.CurrentDocumentClick();
  ASSERT_TRUE(generate());
  QTableView* grid = window.grid(ResultTable::WordFreq);
  const int frequency = window.model(ResultTable::WordFreq)->column_of("Frequency");
  grid->sortByColumn(frequency, Qt::DescendingOrder);
  EXPECT_EQ(column(ResultTable::WordFreq, 0).front(), "ਕਰ");
  grid->sortByColumn(0, Qt::DescendingOrder);
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਕਰ", "ਹਰ", "ਸਰ", "ੳਠ"}));
  window.search_box()->setText("ਰ");
  EXPECT_EQ(window.sorted(ResultTable::WordFreq)->rowCount(), 3);
  window.search_box()->clear();
  EXPECT_EQ(window.sorted(ResultTable::WordFreq)->rowCount(), 4);
}

TEST_F(FreqSelTest, ACancelledAnalysisLeavesTheTablesAndGridsAsTheyWere) {
  add(u"ਘਰ ਕਰ", "Arial");
  window.CurrentDocumentClick();
  ASSERT_TRUE(generate());
  const Bytes words_before = *read_file(data.dir / "WordFreq.db");
  std::u16string many;
  for (int i = 0; i < 40000; ++i) many += u"ਜਲ ਥਲ ਨਦੀ ";
  add(many, "Arial");
  QSignalSpy finished(&window, &TFreqSel::analysisFinished);
  window.GenerateClick();
  EXPECT_TRUE(window.cancel_button()->isEnabled());
  window.CancelClick();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_FALSE(finished.front().front().toBool());
  EXPECT_EQ(*read_file(data.dir / "WordFreq.db"), words_before);
  EXPECT_EQ(window.model(ResultTable::WordFreq)->rowCount(), 2);
  EXPECT_TRUE(prompter.errors.empty()) << "a cancel is no failure";
  EXPECT_FALSE(window.cancel_button()->isEnabled());
}

TEST_F(FreqSelTest, BrowseAnalysesTheChosenFileInTheChosenFont) {
  data.dir.write("notes.txt", "pMjwb kw pMjwb");
  dialogs.choose(data.dir / "notes.txt");
  window.font_list()->setCurrentText("AnmolLipi");
  window.BrowseClick();
  EXPECT_EQ(window.source_files()->text(), "notes.txt ");
  ASSERT_TRUE(generate());
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"kw", "pMjwb"}));
  QAbstractItemModel* words = window.grid(ResultTable::WordFreq)->model();
  EXPECT_EQ(words->index(0, 0).data(Qt::FontRole).value<QFont>().family(), "AnmolLipi") << "words in their font";
  EXPECT_FALSE(words->index(0, 1).data(Qt::FontRole).isValid()) << "numbers in the grid's own";

  dialogs.cancel();
  window.BrowseClick();
  EXPECT_TRUE(window.source_files()->text().isEmpty());
  EXPECT_FALSE(window.generate_button()->isEnabled());
}

TEST_F(FreqSelTest, ADoubleClickedWordShowsItsConcordanceAndTheChartsExportAsPng) {
  add(u"ਇਕ ਘਰ ਦੋ ਘਰ ਤਿੰਨ", "Arial");
  window.CurrentDocumentClick();
  ASSERT_TRUE(generate());
  QTableView* grid = window.grid(ResultTable::WordFreq);
  QModelIndex house;
  for (int r = 0; r < grid->model()->rowCount(); ++r)
    if (grid->model()->index(r, 0).data().toString() == "ਘਰ") house = grid->model()->index(r, 0);
  ASSERT_TRUE(house.isValid());
  emit grid->doubleClicked(house);
  auto* concordance = window.findChild<ConcordanceWindow*>();
  ASSERT_NE(concordance, nullptr);
  QTableWidget* lines = concordance->grid();
  ASSERT_EQ(lines->rowCount(), 2);
  EXPECT_EQ(lines->item(0, 0)->text(), "ਇਕ ");
  EXPECT_EQ(lines->item(1, 2)->text(), " ਤਿੰਨ");

  dialogs.choose(data.dir / "charts.png");
  window.ExportChartClick();
  const std::optional<Bytes> png = read_file(data.dir / "charts.png");
  ASSERT_TRUE(png);
  EXPECT_EQ(png->substr(1, 3), "PNG");
}

TEST_F(FreqSelTest, AListSavedUnderANameLoadsBackAndSavingItAgainKeepsIt) {
  add(u"ਘਰ ਕਰ ਘਰ", "Arial");
  window.CurrentDocumentClick();
  ASSERT_TRUE(generate());
  window.SaveWordList("A", false);
  ASSERT_TRUE(std::filesystem::exists(data.dir / "WordList/A/WordFreq.db"));
  add(u" ਜਲ", "Arial");
  ASSERT_TRUE(generate());
  ASSERT_EQ(window.model(ResultTable::WordFreq)->rowCount(), 3);

  window.LoadWordList("A");
  EXPECT_EQ(window.word_list_name(), "A");
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਕਰ", "ਘਰ"}));
  prompter.answers = {Answer::Yes};
  window.SaveWordList("A", false);
  EXPECT_EQ(prompter.questions.back(), "WordList with same name already existing. Do you want to overwrite it?");
  window.LoadWordList("A");
  EXPECT_EQ(window.model(ResultTable::WordFreq)->rowCount(), 2) << "the loaded list, not the last analysis";

  window.SaveWordList("A", true);
  const std::optional<Bytes> csv = read_file(data.dir / "A.Txt");
  ASSERT_TRUE(csv);
  EXPECT_EQ(csv->substr(0, csv->find("\r\n", 40)), "Word,Frequency,Percentage Frequency\r\nਕਰ,1,33.333333");
  EXPECT_TRUE(prompter.errors.empty());

  const Bytes template_before = *read_file(data.dir / "Dict/WordFreq.db");
  window.SaveWordList("../Dict", false);
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_EQ(*read_file(data.dir / "Dict/WordFreq.db"), template_before);
}

TEST_F(FreqSelTest, FrequencyOptionsTakeAllSixBoxesOverOrNone) {
  FrequencyOptions current;
  current.thresholds = {2, 3};
  TFOption dialog(current, prompter);
  EXPECT_EQ(dialog.windowTitle(), "Frequency Options");
  EXPECT_EQ(dialog.box(FrequencyOption::MaxFrequency)->text(), "100000");
  EXPECT_EQ(dialog.box(FrequencyOption::TrigramThreshold)->text(), "3");
  QLineEdit* min_length = dialog.box(FrequencyOption::MinLength);
  min_length->clear();
  QTest::keyClicks(min_length, "4x-2");
  EXPECT_EQ(min_length->text(), "42") << "digits only";

  dialog.box(FrequencyOption::BigramThreshold)->setText("7");
  dialog.box(FrequencyOption::MaxLength)->clear();
  dialog.OKClick();
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_EQ(prompter.errors.front(), "Maximum Length must be a whole number of at most nine digits 0-9");
  EXPECT_EQ(dialog.options(), current) << "nothing taken over";
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  dialog.box(FrequencyOption::MaxLength)->setText("50");
  dialog.OKClick();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.options().filter, (WordDisplayFilter{42, 50, 1, 100000}));
  EXPECT_EQ(dialog.options().thresholds, (AnalysisThresholds{7, 3}));
}

TEST_F(FreqSelTest, OptionsFilterTheWordGridAndSetTheThresholdsOfTheNextAnalysis) {
  EXPECT_EQ(window.options_button()->text(), "Options...");
  add(u"ਕਰ ਘਰ ਕਰ ਜਲਥਲ ਕਰ ਘਰ", "Arial");
  window.CurrentDocumentClick();
  FrequencyOptions options;
  options.filter.min_frequency = 2;
  options.thresholds = {1, 0};
  window.ApplyOptions(options);
  ASSERT_TRUE(generate());
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਕਰ", "ਘਰ", "ਜਲਥਲ"}))
      << "a new analysis shows every word";
  EXPECT_EQ(window.model(ResultTable::BiGram)->rowCount(), 1) << "only ਕਰ ਘਰ is seen twice";

  window.ApplyOptions(options);
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਕਰ", "ਘਰ"}));
  window.search_box()->setText("ਘ");
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਘਰ"})) << "search and filter together";
  window.search_box()->clear();
  options.filter = {3, 30, 1, 100000};
  window.ApplyOptions(options);
  EXPECT_EQ(column(ResultTable::WordFreq, 0), (std::vector<QString>{"ਜਲਥਲ"}));
  EXPECT_EQ(window.model(ResultTable::WordFreq)->rowCount(), 3) << "the table keeps every word";
}

}  // namespace
}  // namespace quilm::ui
