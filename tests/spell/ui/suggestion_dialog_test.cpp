// The suggestion dialog returns the button pressed and the replacement, and
// knows a typed replacement from a chosen one.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

}  // namespace
}  // namespace quilm::ui
