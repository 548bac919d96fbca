#include "app/document/page_values.h"

#include <array>

namespace quilm {
namespace {

using Page = Editor::PageLayout;
constexpr std::array<int Page::*, Editor::kDocumentValues> kPageParts = {
    &Page::width, &Page::height, &Page::margin_left, &Page::margin_top, &Page::margin_right, &Page::margin_bottom};

}  // namespace

void store_page_values(Editor& editor) {
  const Page page = editor.Page();
  for (int i = 0; i < Editor::kDocumentValues; ++i) editor.SetDocumentValue(i, page.*kPageParts[i]);
}

void apply_page_values(Editor& editor) {
  Page page = editor.Page();
  for (int i = 0; i < Editor::kDocumentValues; ++i)
    if (editor.DocumentValue(i) > 0) page.*kPageParts[i] = editor.DocumentValue(i);
  editor.SetPage(page);
}

}  // namespace quilm
