// The on-screen keyboard panel (Panel1): four rows of small buttons drawn in
// the Quilm encoding. A click hands the button's Quilm glyphs on; the
// buttons never take the focus, so the input that had it keeps it and the
// glyphs go there.
#pragma once

#include <QFrame>
#include <vector>

#include "common/bytes.h"
#include "fonts/conversion.h"

class QToolButton;

namespace quilm::ui {

class OnscreenKeyboard : public QFrame {
  Q_OBJECT
 public:
  explicit OnscreenKeyboard(QWidget* parent = nullptr);

  // initialise_hints: each button's tool tip for the keyboard layout and
  // the font index of the editor's font; buttons without a new hint keep
  // theirs.
  void initialise_hints(int keyboard_layout, int font_index, const FontConverter& converter);

  // The button SpeedButton<number>, or nullptr.
  QToolButton* button(int number) const;

 signals:
  // The Quilm glyphs of the clicked button.
  void symbolClicked(const QByteArray& quilm);

 private:
  std::vector<QToolButton*> buttons_;  // in the order of typing::onscreen_keys()
};

}  // namespace quilm::ui
