#include "typing/ui/onscreen_keyboard.h"

#include <QFont>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "typing/onscreen_keys.h"

namespace quilm::ui {
namespace {

constexpr int kRows = 4;
constexpr int kGlyphPoints = 14;

// Glyph bytes as the characters a legacy font draws at them.
QString glyph_text(BytesView bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

QToolButton* make_button(const typing::OnscreenKey& key, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString("SpeedButton%1").arg(key.number));
  b->setText(glyph_text(key_caption(key)));
  b->setFont(QFont(QString::fromLatin1(key.subjoined_font ? typing::kSubjoinedSignFont.data()
                                                           : typing::kKeyboardFont.data()),
                   kGlyphPoints));
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoRaise(false);
  b->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  return b;
}

}  // namespace

OnscreenKeyboard::OnscreenKeyboard(QWidget* parent) : QFrame(parent) {
  setObjectName("Panel1");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(Qt::NoFocus);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(1);
  std::vector<QHBoxLayout*> rows;
  for (int r = 0; r < kRows; ++r) {
    auto* row = new QHBoxLayout();
    row->setSpacing(1);
    column->addLayout(row);
    rows.push_back(row);
  }
  for (const typing::OnscreenKey& key : typing::onscreen_keys()) {
    QToolButton* b = make_button(key, this);
    rows[static_cast<std::size_t>(key.row - 1)]->addWidget(b);
    buttons_.push_back(b);
    const QByteArray quilm(key.inserts.data(), static_cast<qsizetype>(key.inserts.size()));
    connect(b, &QToolButton::clicked, this, [this, quilm] { emit symbolClicked(quilm); });
  }
  for (QHBoxLayout* row : rows) row->addStretch(1);
}

void OnscreenKeyboard::initialise_hints(int keyboard_layout, int font_index, const FontConverter& converter) {
  const auto keys = typing::onscreen_keys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (const std::optional<Bytes> hint = typing::onscreen_hint(keys[i], keyboard_layout, font_index, converter)) {
      buttons_[i]->setToolTip(glyph_text(*hint));
      buttons_[i]->setStatusTip(glyph_text(*hint));
    }
  }
}

QToolButton* OnscreenKeyboard::button(int number) const {
  return findChild<QToolButton*>(QString("SpeedButton%1").arg(number), Qt::FindDirectChildrenOnly);
}

}  // namespace quilm::ui
