#include "app/main_layout.h"

#include <algorithm>

namespace quilm {

MainLayout ReadjustHeights(const MainHeights& h) {
  MainLayout l;
  l.tool_bar = {0, h.tool_bar};
  l.button_bar = {h.tool_bar, h.button_bar};
  l.keyboard_panel = {h.tool_bar + h.button_bar, h.keyboard_panel};
  l.ruler = {h.keyboard_panel + h.tool_bar + h.button_bar, h.ruler};
  const int editor_top = h.tool_bar + h.button_bar + h.keyboard_panel + h.ruler;
  const int editor_height =
      h.client_height - h.ruler - h.status_bar - h.keyboard_panel - h.tool_bar - h.button_bar;
  l.editor = {editor_top, std::max(0, editor_height)};
  l.status_bar = {h.client_height - h.status_bar, h.status_bar};
  l.ruler_width = h.client_width;
  l.editor_width = std::max(0, h.client_width - h.editor_left);
  return l;
}

}  // namespace quilm
