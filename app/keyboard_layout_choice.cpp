#include "app/keyboard_layout_choice.h"

namespace quilm {
namespace {

bool in_list(int choice, const std::vector<std::string>& items) {
  return choice >= 0 && choice < static_cast<int>(items.size());
}

}  // namespace

std::vector<std::string> keyboard_layout_items(const FontRegistry& fonts) {
  std::vector<std::string> items = {"Default", "Romanised Punjabi"};
  for (const auto& name : fonts.font_dropdown_names()) items.emplace_back(name);
  return items;
}

int keyboard_layout_setting(int choice, const std::vector<std::string>& items, const FontRegistry& fonts) {
  if (choice == 1) return typing::kRomanisedLayout;
  if (choice == 0 || !in_list(choice, items)) return typing::kDefaultLayout;
  return fonts.get_font_index(items[static_cast<std::size_t>(choice)]);
}

std::string keyboard_layout_caption(int choice, const std::vector<std::string>& items) {
  return in_list(choice, items) ? items[static_cast<std::size_t>(choice)] : items.front();
}

std::string typing_caption(const typing::TypingState& typing, int choice, const std::vector<std::string>& items) {
  return typing.punjabi ? keyboard_layout_caption(choice, items) : kEnglishTypingCaption;
}

void choose_keyboard_layout(Settings& settings, typing::TypingState& typing, int choice,
                            const std::vector<std::string>& items, const FontRegistry& fonts) {
  if (!in_list(choice, items)) return;
  settings.layout_choice = choice;
  typing.keyboard_layout = keyboard_layout_setting(choice, items, fonts);
  typing.previous_roman_key = 0;
}

}  // namespace quilm
