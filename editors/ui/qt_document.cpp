#include "editors/ui/qt_document.h"

#include <QTextBlock>

#include "editor/run_list.h"
#include "editors/ui/qt_paragraph.h"
#include "editors/ui/qt_text.h"

namespace quilm {
namespace {

CharFormat break_format(const QTextBlock& block) { return to_char_format(block.next().charFormat()); }

void append_fragments(const QTextBlock& block, std::vector<TextRun>& runs) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.isValid()) runs.push_back({to_u16(fragment.text()), to_char_format(fragment.charFormat())});
  }
}

void format_blocks_from(QTextBlock block, const std::vector<ParagraphFormat>& paragraphs) {
  for (const ParagraphFormat& p : paragraphs) {
    if (!block.isValid()) return;
    QTextCursor c(block);
    set_paragraph_format(c, p);
    block = block.next();
  }
}

}  // namespace

Document document_of(const QTextDocument& doc) {
  Document out;
  out.paragraphs.clear();
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    append_fragments(block, out.runs);
    out.paragraphs.push_back(paragraph_format_of(block));
    if (block.next().isValid()) out.runs.push_back({std::u16string(1, kParagraphBreak), break_format(block)});
  }
  merge_runs(out.runs);
  return out;
}

CharFormat format_at(const QTextDocument& doc, int position) {
  const QTextBlock block = doc.findBlock(position);
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    if (it.fragment().contains(position)) return to_char_format(it.fragment().charFormat());
  }
  return break_format(block);
}

void insert_document(QTextCursor& cursor, const Document& doc) {
  const int first_block = cursor.blockNumber();
  for (const TextRun& run : doc.runs) cursor.insertText(to_qstring(run.text), to_qt_format(run.format));
  format_blocks_from(cursor.document()->findBlockByNumber(first_block), doc.paragraphs);
}

}  // namespace quilm
