// The legal-combination rule engine.
#include "typing/legal_check.h"

#include <algorithm>

#include "typing/caret_context.h"
#include "typing/caret_edits.h"
#include "fonts/font_index.h"

namespace quilm::typing {
namespace {

bool holds(const CheckCondition& c, const CaretContext& at) { return in_set(c.set, at.at(c.slot)) != c.negated; }

bool applies(const CheckRule& rule, std::uint8_t key, const CaretContext& at) {
  if (!rule.keys.contains(key)) return false;
  const auto conditions = std::span(rule.conditions).first(rule.condition_count);
  return std::all_of(conditions.begin(), conditions.end(), [&](const CheckCondition& c) { return holds(c, at); });
}

// Carries out a rule that applies; returns what follows from it.
CheckOutcome carry_out(const CheckRule& rule, Keyboard& kb, const CaretContext& at) {
  switch (rule.action) {
    case CheckAction::Refuse:
      kb.prompter.beep();
      return {};
    case CheckAction::Become:
      return {rule.glyph, false};
    case CheckAction::ReplaceP1:
    case CheckAction::ReplaceP1P2: {
      const WindowLock lock(kb.editor);
      replace_before(kb.editor, at.caret, rule.action == CheckAction::ReplaceP1 ? 1 : 2, glyphs({rule.glyph}));
      return {0, true};
    }
  }
  return {};
}

bool ii_or_ee(char16_t c) { return c == 'I' || c == 'y'; }

}  // namespace

CheckOutcome run_check_rules(std::span<const CheckRule> rules, Keyboard& kb, std::uint8_t key) {
  const CaretContext at = read_caret_context(kb.editor);
  CheckOutcome outcome{key, false};
  for (const CheckRule& rule : rules) {
    if (outcome.key == 0) break;
    if (applies(rule, outcome.key, at)) outcome = carry_out(rule, kb, at);
  }
  return outcome;
}

std::uint8_t run_checks(std::span<const CheckRule> rules, Keyboard& kb, std::uint8_t key) {
  return run_check_rules(rules, kb, key).key;
}

std::uint8_t check_quilm(Keyboard& kb, std::uint8_t key) {
  return run_checks(tables::legal_quilm::rules, kb, run_checks(tables::legal_quilm::by_previous, kb, key));
}

CheckOutcome OnScreenKeyPress(Keyboard& kb, int font_index, std::uint8_t key, std::uint8_t next) {
  if (key <= 0x20) return {key, false};
  if (font_index == 2 || font_index == 3) return run_check_rules(tables::legal_font_2_3::rules, kb, key);
  if (font_index != font_index::kQuilm) return {key, false};
  CheckOutcome outcome = run_check_rules(tables::legal_onscreen::by_previous, kb, key);
  if (outcome.key != 0) outcome = run_check_rules(tables::legal_quilm::rules, kb, outcome.key);
  if (outcome.key == 'e') {
    const CaretContext at = read_caret_context(kb.editor);
    if (at.p1() == 'i' && (ii_or_ee(next) || ii_or_ee(at.n1()))) {
      kb.prompter.beep();
      return {};
    }
  }
  return outcome;
}

std::uint8_t check_font_2_3(Keyboard& kb, std::uint8_t key) {
  return run_checks(tables::legal_font_2_3::rules, kb, key);
}

}  // namespace quilm::typing
