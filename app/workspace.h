// Everything the program keeps for the whole run, in one object: the main
// window owns a Workspace and hands it by reference to the tools that need it.
// There are no globals, so two workspaces in one test never see each other.
#pragma once

#include <filesystem>

#include "app/document_state.h"
#include "app/settings.h"
#include "fonts/conversion_context.h"
#include "fonts/registry.h"
#include "typing/typing_state.h"

namespace quilm {

struct Workspace {
  // The folder that was current at start-up; every data file lies in it.
  std::filesystem::path data_folder;

  Settings settings;
  DocumentState document;
  FontRegistry fonts;  // the Gurmukhi font-name table
  // The typing-context flag and the writer context that every conversion
  // shares; tools build their FontConverter over it.
  ConversionContext conversion;
  // The font index of the last character that a font conversion of the whole
  // document examined, kept from one conversion to the next.
  int last_word_font_index = 0;
  // "Gurmukhi Digits" of the File menu: the Unicode export writes the digits
  // of Gurmukhi fonts as Gurmukhi numerals. Off at start.
  bool export_gurmukhi_digits = false;
  // The keyboard layout setting, the language toggle and the previous Roman key.
  typing::TypingState typing;

  // Start-up could not read its files: the close step then writes nothing.
  bool startup_failed = false;
  // The settings file was read whole. After a damaged line the settings in
  // memory are partly defaults, and writing them back would destroy the
  // user's file, so the close step leaves it as it is.
  bool settings_complete = false;

  std::filesystem::path data_file(const std::string& name) const { return data_folder / name; }
};

}  // namespace quilm
