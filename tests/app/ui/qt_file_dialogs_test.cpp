// The Qt file dialogs of the document commands: the filters in Qt's form,
// the requested filter chosen, and the chosen filter counted from 1. The
// dialogs are set up and read back without being shown.
#include "app/ui/qt_file_dialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "app/document/file_formats.h"
#include "app/ui/dialog_filters.h"
#include "tests/support/temp_dir.h"

namespace quilm::ui {
namespace {

TEST(DialogFilters, EachCaptionShowsTheMasksQtMatches) {
  struct Case {
    const char* label;
    std::string filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"open",
       kOpenFilter,
       {"Word Documents (*.doc)", "Text files (*.txt)", "HTML Documents (*.htm *.html)", "RTF Documents (*.rtf)",
        "Punjabi files (*.pbi)", "All files (*)"}},
      {"export, spaces around a bar and none before a parenthesis",
       kExportFilter,
       {"Unicode Format (*.txt)", "ISCII Format (*.aci)", "Portable Document Format (*.pdf)",
        "Unicode UTF-8 Format (*.txt)"}},
      {"caption without parentheses", "Images|*.png;*.bmp", {"Images (*.png *.bmp)"}},
      {"caption without a mask is left out", "Text files (*.txt)|*.txt|Dangling", {"Text files (*.txt)"}},
      {"empty mask is left out", "Nothing|;|Text|*.txt", {"Text (*.txt)"}},
      {"no filter", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(qt_name_filters(c.filter), c.expected);
  }
}

TEST(QtFileDialogs, TheRequestIsShownAndTheChosenFilterCountsFromOne) {
  test::TempDir dir;
  struct Case {
    const char* label;
    QFileDialog::AcceptMode mode;
    bool must_exist;
    int requested_filter;
    int chosen_filter;
    QFileDialog::FileMode file_mode;
  };
  const Case cases[] = {
      {"open, the file must exist", QFileDialog::AcceptOpen, true, 3, 5, QFileDialog::ExistingFile},
      {"save, the requested filter kept", QFileDialog::AcceptSave, false, 6, 6, QFileDialog::AnyFile},
      {"a requested filter outside the list gives the first", QFileDialog::AcceptSave, false, 9, 0,
       QFileDialog::AnyFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FileDialogRequest request;
    request.title = "Save File";
    request.filter = kSaveFilter;
    request.filter_index = c.requested_filter;
    request.default_extension = "doc";
    request.must_exist = c.must_exist;
    request.proposed_name = (dir / "letter.Doc").string();
    QFileDialog dialog;
    prepare_file_dialog(dialog, request, c.mode);
    EXPECT_EQ(dialog.windowTitle(), "Save File");
    EXPECT_EQ(dialog.acceptMode(), c.mode);
    EXPECT_EQ(dialog.fileMode(), c.file_mode);
    EXPECT_EQ(dialog.defaultSuffix(), "doc");
    // The document commands ask before a file is replaced, once.
    EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), c.mode == QFileDialog::AcceptSave);
    const QStringList filters = dialog.nameFilters();
    ASSERT_EQ(filters.size(), 6);
    const int requested = c.requested_filter <= 6 ? c.requested_filter : 1;
    EXPECT_EQ(dialog.selectedNameFilter(), filters[requested - 1]);

    if (c.chosen_filter > 0) dialog.selectNameFilter(filters[c.chosen_filter - 1]);
    const std::optional<FileChoice> choice = chosen_file(dialog);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, dir / "letter.Doc");
    EXPECT_EQ(choice->filter_index, c.chosen_filter > 0 ? c.chosen_filter : 1);
  }
}

}  // namespace
}  // namespace quilm::ui
