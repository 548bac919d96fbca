// The legal-combination rule engine.
#include "typing/legal_check.h"

#include <algorithm>

#include "typing/caret_context.h"
#include "typing/caret_edits.h"

namespace quilm::typing {
namespace {

bool holds(const CheckCondition& c, const CaretContext& at) { return in_set(c.set, at.at(c.slot)) != c.negated; }

bool applies(const CheckRule& rule, std::uint8_t key, const CaretContext& at) {
  if (!rule.keys.contains(key)) return false;
  const auto conditions = std::span(rule.conditions).first(rule.condition_count);
  return std::all_of(conditions.begin(), conditions.end(), [&](const CheckCondition& c) { return holds(c, at); });
}

// Carries out a rule that applies; returns the key that follows from it.
std::uint8_t carry_out(const CheckRule& rule, Keyboard& kb, const CaretContext& at) {
  switch (rule.action) {
    case CheckAction::Refuse:
      kb.prompter.beep();
      return 0;
    case CheckAction::Become:
      return rule.glyph;
    case CheckAction::ReplaceP1:
    case CheckAction::ReplaceP1P2: {
      const WindowLock lock(kb.editor);
      replace_before(kb.editor, at.caret, rule.action == CheckAction::ReplaceP1 ? 1 : 2, glyphs({rule.glyph}));
      return 0;
    }
  }
  return 0;
}

}  // namespace

std::uint8_t run_checks(std::span<const CheckRule> rules, Keyboard& kb, std::uint8_t key) {
  const CaretContext at = read_caret_context(kb.editor);
  for (const CheckRule& rule : rules) {
    if (key == 0) break;
    if (applies(rule, key, at)) key = carry_out(rule, kb, at);
  }
  return key;
}

std::uint8_t check_quilm(Keyboard& kb, std::uint8_t key) { return run_checks(tables::legal_quilm::rules, kb, key); }

std::uint8_t check_font_2_3(Keyboard& kb, std::uint8_t key) {
  return run_checks(tables::legal_font_2_3::rules, kb, key);
}

}  // namespace quilm::typing
