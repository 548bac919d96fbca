// The suggestion dialog returns the button pressed and the replacement, and
// knows a typed replacement from a chosen one.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "spell/ui/additional_dictionary_dialog.h"
#include "spell/ui/suggestion_dialog.h"

namespace quilm::ui {
namespace {

// Presses the buttons of `dialog` once it is shown, after `prepare`.
SpellAnswer answer_with(TSuggestion& dialog, const SpellQuestion& q, const char* button,
                        const std::function<void()>& prepare = {}) {
  QTimer::singleShot(0, &dialog, [&] {
    if (prepare) prepare();
    if (button) dialog.findChild<QPushButton*>(button)->click();
    else dialog.reject();
  });
  return dialog.ask(q);
}

TEST(SuggestionDialog, ReturnsTheChoiceAndTheReplacement) {
  TSuggestion dialog;
  const SpellQuestion q{u"xx", "GurmukhiLys 020", 0, {u"ek", u"go"}};
  struct Case {
    const char* button;
    SpellAnswer::Kind kind;
  };
  const Case cases[] = {{"Ignore", SpellAnswer::Kind::Ignore},     {"IgnoreAll", SpellAnswer::Kind::IgnoreAll},
                        {"Change", SpellAnswer::Kind::Change},     {"ChangeAll", SpellAnswer::Kind::ChangeAll},
                        {"Add", SpellAnswer::Kind::Add},           {"Cancel", SpellAnswer::Kind::Cancel},
                        {nullptr, SpellAnswer::Kind::Cancel}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button ? c.button : "window closed");
    const SpellAnswer a = answer_with(dialog, q, c.button);
    EXPECT_EQ(a.kind, c.kind);
    if (c.button) {
      EXPECT_EQ(a.replacement, u"ek");  // the first suggestion
    }
  }
  EXPECT_EQ(dialog.windowTitle(), "Spelling Checker");
}

TEST(SuggestionDialog, ATypedReplacementIsMarkedAndChangesNeedText) {
  TSuggestion dialog;
  const SpellQuestion q{u"xx", "Arial", 0, {}};
  const SpellAnswer a = answer_with(dialog, q, "Change", [&] {
    EXPECT_FALSE(dialog.findChild<QPushButton*>("Change")->isEnabled());  // nothing to change to
    QTest::keyClicks(dialog.replacement_box(), "yz");
  });
  EXPECT_EQ(a.kind, SpellAnswer::Kind::Change);
  EXPECT_EQ(a.replacement, u"xxyz");
  EXPECT_TRUE(a.typed);
}

TEST(SuggestionDialog, OptionsOpensTheDictionaryChoiceAndTheQuestionStays) {
  TSuggestion dialog;
  int shown = 0;
  dialog.set_options([&] { ++shown; });
  const SpellQuestion q{u"xx", "Arial", 0, {u"ek"}};
  const SpellAnswer a = answer_with(dialog, q, "Ignore", [&] {
    dialog.findChild<QPushButton*>("Options")->click();
    EXPECT_TRUE(dialog.isVisible());
  });
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(a.kind, SpellAnswer::Kind::Ignore);
  EXPECT_EQ(dialog.findChild<QPushButton*>("Options")->text(), "&Options...");
}

TEST(SuggestionDialog, StandsClearOfTheWord) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(300, 200);
  const struct {
    const char* where;
    QRect word;
  } cases[] = {
      {"word at the top: below it", QRect(100, 50, 60, 20)},
      {"word at the bottom: above it", QRect(100, 700, 60, 20)},
      {"word at the right edge", QRect(950, 50, 40, 20)},
      {"tall word, room only beside it", QRect(100, 150, 60, 600)},
      {"tall word at the right edge", QRect(800, 150, 60, 600)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const QRect placed(position_clear_of(c.word, size, screen), size);
    EXPECT_FALSE(placed.intersects(c.word));
    EXPECT_TRUE(screen.contains(placed));
  }
}

TEST(SuggestionDialog, IsMovedClearOfTheWordWhenShown) {
  TSuggestion dialog;
  const QRect word(40, 40, 80, 24);
  QRect shown_at;
  QTimer::singleShot(0, &dialog, [&] {
    shown_at = dialog.frameGeometry();
    dialog.findChild<QPushButton*>("Ignore")->click();
  });
  dialog.ask(SpellQuestion{u"xx", "Arial", 0, {u"ek"}}, word);
  EXPECT_FALSE(shown_at.intersects(word)) << shown_at.x() << "," << shown_at.y();
}

// The "Additional Dictionary" window: the current dictionary selected, the
// choice given back on OK only.
TEST(AdditionalDictionaryWindow, SelectsTheCurrentOneAndGivesBackTheChoice) {
  TAdditionalDict window;
  const std::vector<std::string> names = {"a.dic", "b.dic"};
  const auto choose = [&](const std::string& current, const std::function<void()>& act) {
    QTimer::singleShot(0, &window, act);
    return window.choose(names, current);
  };
  const auto ok = [&] { window.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); };
  EXPECT_EQ(choose("b.dic", [&] {
              EXPECT_EQ(window.dictionary_list()->currentText(), "b.dic");
              window.dictionary_list()->setCurrentIndex(0);
              ok();
            }),
            std::optional<std::string>("a.dic"));
  EXPECT_EQ(choose("gone.dic", [&] {
              EXPECT_EQ(window.dictionary_list()->currentIndex(), -1);  // none selected
              ok();
            }),
            std::nullopt);
  EXPECT_EQ(choose("a.dic", [&] { window.reject(); }), std::nullopt);
  EXPECT_EQ(window.windowTitle(), "Additional Dictionary");
}

}  // namespace
}  // namespace quilm::ui
