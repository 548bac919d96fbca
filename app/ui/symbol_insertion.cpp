#include "app/ui/symbol_insertion.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quilm::ui {
namespace {

QString text_of(const std::u16string& s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

QString symbol_for(const QWidget* box, BytesView quilm, const typing::Keyboard& kb) {
  const FontConverter converter(kb.conversion);
  return text_of(typing::symbol_in_font(quilm, box->font().family().toStdString(), kb.fonts, converter));
}

// A box of a tool window with the focus: true when it took the glyphs.
bool insert_into_focused_box(BytesView quilm, const SymbolPlaces& places, const typing::Keyboard& kb) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus || focus == places.editor) return false;
  if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly()) {
    line->insert(symbol_for(line, quilm, kb));
    return true;
  }
  if (auto* text = qobject_cast<QTextEdit*>(focus); text && !text->isReadOnly()) {
    text->insertPlainText(symbol_for(text, quilm, kb));
    return true;
  }
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus); plain && !plain->isReadOnly()) {
    plain->insertPlainText(symbol_for(plain, quilm, kb));
    return true;
  }
  return false;
}

}  // namespace

void initialise_formfind(const QByteArray& quilm, const SymbolPlaces& places, typing::Keyboard& kb,
                         const typing::PunjabiDefault& fallback) {
  const BytesView glyphs(quilm.constData(), static_cast<std::size_t>(quilm.size()));
  if (places.add_word_box && places.add_word_box->isVisible()) {
    places.add_word_box->setText(places.add_word_box->text() + symbol_for(places.add_word_box, glyphs, kb));
    return;
  }
  if (insert_into_focused_box(glyphs, places, kb)) return;
  places.editor->setFocus();
  typing::insert_symbol(kb, glyphs, fallback);
}

}  // namespace quilm::ui
