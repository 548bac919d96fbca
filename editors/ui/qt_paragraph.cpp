#include "editors/ui/qt_paragraph.h"

#include <QTextList>
#include <QTextOption>

#include "editors/ui/qt_text.h"

namespace quilm {
namespace {

// Twips to the document's pixels (96 per inch).
constexpr double kPixelsPerTwip = 96.0 / 1440.0;
qreal pixels(int twips) { return twips * kPixelsPerTwip; }

// Where each value lives in the block format.
enum Property : int {
  kLeft = QTextFormat::UserProperty + 0x5100,
  kRight,
  kFirst,
  kBefore,
  kAfter,
  kSpacing,
  kTabs,
  kListType,
  kNumbering,
  kLevel,
  kStart,
  kNumberIndent,
  kTextIndent,
  kFrameStyle,
  kFrameWidth,
  kFrameDistance,
};

int int_property(const QTextBlockFormat& f, int property, int fallback) {
  return f.hasProperty(property) ? f.intProperty(property) : fallback;
}

QTextListFormat::Style list_style(const ListFormat& list) {
  if (list.type == ListType::Bullets) return list.level > 1 ? QTextListFormat::ListCircle : QTextListFormat::ListDisc;
  switch (list.numbering) {
    case Numbering::LowerLetters: return QTextListFormat::ListLowerAlpha;
    case Numbering::UpperLetters: return QTextListFormat::ListUpperAlpha;
    case Numbering::UpperRoman: return QTextListFormat::ListUpperRoman;
    case Numbering::LowerRoman: return QTextListFormat::ListLowerRoman;
    case Numbering::Arabic: break;
  }
  return QTextListFormat::ListDecimal;
}

QTextListFormat list_format(const ListFormat& list) {
  QTextListFormat f;
  f.setStyle(list_style(list));
  f.setIndent(list.level);
  return f;
}

QList<QTextOption::Tab> tab_positions(const std::vector<int>& tabs) {
  QList<QTextOption::Tab> out;
  for (const int t : tabs) out.append(QTextOption::Tab(pixels(t), QTextOption::LeftTab));
  return out;
}

QList<QVariant> tab_property(const std::vector<int>& tabs) {
  QList<QVariant> out;
  for (const int t : tabs) out.append(t);
  return out;
}

std::vector<int> tabs_of(const QTextBlockFormat& f) {
  std::vector<int> tabs;
  for (const QVariant& v : f.property(kTabs).toList()) tabs.push_back(v.toInt());
  return tabs;
}

QTextBlockFormat block_format(QTextBlockFormat f, const ParagraphFormat& p) {
  f.setAlignment(to_qt_alignment(p.alignment));
  f.setLeftMargin(pixels(p.left_indent));
  f.setRightMargin(pixels(p.right_indent));
  f.setTextIndent(pixels(p.first_indent));
  f.setTopMargin(pixels(p.space_before));
  f.setBottomMargin(pixels(p.space_after));
  f.setLineHeight(p.line_spacing, QTextBlockFormat::ProportionalHeight);
  f.setTabPositions(tab_positions(p.tab_stops));
  const std::pair<int, int> values[] = {
      {kLeft, p.left_indent},          {kRight, p.right_indent},
      {kFirst, p.first_indent},        {kBefore, p.space_before},
      {kAfter, p.space_after},         {kSpacing, p.line_spacing},
      {kListType, static_cast<int>(p.list.type)}, {kNumbering, static_cast<int>(p.list.numbering)},
      {kLevel, p.list.level},          {kStart, p.list.start},
      {kNumberIndent, p.list.number_indent}, {kTextIndent, p.list.text_indent},
      {kFrameStyle, p.frame.style},    {kFrameWidth, p.frame.line_width},
      {kFrameDistance, p.frame.distance},
  };
  for (const auto& [property, value] : values) f.setProperty(property, value);
  f.setProperty(kTabs, tab_property(p.tab_stops));
  return f;
}

void place_in_list(QTextCursor& cursor, const ParagraphFormat& p) {
  QTextBlock block = cursor.block();
  if (QTextList* old = block.textList()) old->remove(block);
  if (p.list.type == ListType::None) {
    QTextBlockFormat f = cursor.blockFormat();
    f.setIndent(0);
    cursor.setBlockFormat(f);
    return;
  }
  const QTextListFormat wanted = list_format(p.list);
  const QTextBlock before = block.previous();
  QTextList* previous = before.isValid() ? before.textList() : nullptr;
  if (previous && previous->format().style() == wanted.style() && previous->format().indent() == wanted.indent())
    previous->add(block);
  else
    cursor.createList(wanted);
}

}  // namespace

ParagraphFormat paragraph_format_of(const QTextBlock& block) {
  const QTextBlockFormat f = block.blockFormat();
  const ParagraphFormat d;
  ParagraphFormat p(to_alignment(f.alignment()));
  p.left_indent = int_property(f, kLeft, d.left_indent);
  p.right_indent = int_property(f, kRight, d.right_indent);
  p.first_indent = int_property(f, kFirst, d.first_indent);
  p.space_before = int_property(f, kBefore, d.space_before);
  p.space_after = int_property(f, kAfter, d.space_after);
  p.line_spacing = int_property(f, kSpacing, d.line_spacing);
  p.tab_stops = tabs_of(f);
  p.list.type = static_cast<ListType>(int_property(f, kListType, 0));
  p.list.numbering = static_cast<Numbering>(int_property(f, kNumbering, static_cast<int>(d.list.numbering)));
  p.list.level = int_property(f, kLevel, d.list.level);
  p.list.start = int_property(f, kStart, d.list.start);
  p.list.number_indent = int_property(f, kNumberIndent, d.list.number_indent);
  p.list.text_indent = int_property(f, kTextIndent, d.list.text_indent);
  p.frame.style = int_property(f, kFrameStyle, d.frame.style);
  p.frame.line_width = int_property(f, kFrameWidth, d.frame.line_width);
  p.frame.distance = int_property(f, kFrameDistance, d.frame.distance);
  return p;
}

void set_paragraph_format(QTextCursor& cursor, const ParagraphFormat& p) {
  cursor.setBlockFormat(block_format(cursor.blockFormat(), p));
  place_in_list(cursor, p);
}

}  // namespace quilm
