#include "fonts/ui/font_names.h"

#include <QFont>
#include <QFontDatabase>

#include "fonts/display/font_choice.h"
#include "fonts/registry.h"

namespace quilm::ui {
namespace {

// Every font name the toolkit sends to another family, with that family.
std::vector<display::Substitution> substitutions() {
  std::vector<display::Substitution> out;
  for (const QString& name : QFont::substitutions())
    for (const QString& family : QFont::substitutes(name)) out.push_back({name.toStdString(), family.toStdString()});
  return out;
}

}  // namespace

std::vector<std::string> present_families() {
  std::vector<std::string> out;
  for (const QString& family : QFontDatabase::families()) out.push_back(family.toStdString());
  return out;
}

QStringList font_choice_names() {
  QStringList names;
  for (const std::string& name : display::font_choice_names(present_families(), substitutions(), FontRegistry()))
    names << QString::fromStdString(name);
  return names;
}

}  // namespace quilm::ui
