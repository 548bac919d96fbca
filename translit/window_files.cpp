#include "translit/window_files.h"

#include <filesystem>

#include "convert/devanagari_document.h"
#include "convert/iscii_document.h"
#include "editors/memory_editor.h"
#include "translit/devanagari_fonts.h"

namespace quilm {
namespace {

constexpr const char* kRomanFont = "Times New Roman";

// The file to write, or nullopt when the user cancelled or would not replace it.
enum class Chosen { Path, Cancelled, KeepExisting };
Chosen choose_file(FileDialogs& dialogs, Prompter& prompter, const FileDialogRequest& request,
                   std::filesystem::path& path) {
  const std::optional<FileChoice> choice = dialogs.save(request);
  if (!choice) return Chosen::Cancelled;
  path = choice->path;
  std::error_code error;
  if (std::filesystem::exists(path, error) && !prompter.ask_yes_no(kReplaceQuestion)) return Chosen::KeepExisting;
  return Chosen::Path;
}

// The extension `extension` (".aci"), whatever the user typed.
std::filesystem::path with_extension(std::filesystem::path path, const std::string& extension) {
  std::string current = path.extension().string();
  for (char& c : current) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::string wanted = extension;
  for (char& c : wanted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (current != wanted) path.replace_extension(extension);
  return path;
}

std::string proposed(const std::string& name, const std::string& extension) {
  return with_extension(std::filesystem::path(name), extension).string();
}

}  // namespace

bool SaveRomanText(const std::u16string& text, FileDialogs& dialogs, Prompter& prompter) {
  FileDialogRequest request;
  request.filter = "RTF Documents (*.rtf)|*.rtf";
  request.default_extension = "rtf";
  request.proposed_name = "UnNamed_U.Rtf";
  std::filesystem::path path;
  if (choose_file(dialogs, prompter, request, path) != Chosen::Path) return false;
  MemoryEditor document;
  FormatChange font;
  font.font_name = kRomanFont;
  document.ApplyFormat(font);
  document.SetSelText(text);
  if (Status saved = document.SaveFile(path, FormatCode::Rtf); !saved) {
    prompter.error(saved.message());
    return false;
  }
  return true;
}

bool ConvertToHindi(DocumentContext& context, HindiOutput output, const std::string& proposed_name,
                    FileDialogs& dialogs, int& last_word_font_index) {
  if (output == HindiOutput::KrutiDev || output == HindiOutput::Chanakya) {
    TransliterateDocument(context, output == HindiOutput::KrutiDev ? DevanagariFont::KrutiDev : DevanagariFont::Chanakya,
                          last_word_font_index);
    return true;
  }
  const bool iscii = output == HindiOutput::Iscii;
  const std::string extension = iscii ? ".aci" : ".txt";
  FileDialogRequest request;
  request.title = "Transliterate File";
  request.filter = iscii ? "ISCII Format (*.aci) | *.aci" : "Unicode (*.txt) | *.txt";
  request.default_extension = iscii ? "aci" : "txt";
  request.proposed_name = proposed(proposed_name, extension);
  std::filesystem::path path;
  switch (choose_file(dialogs, context.prompter, request, path)) {
    case Chosen::Cancelled: return true;
    case Chosen::KeepExisting: return false;
    case Chosen::Path: break;
  }
  path = with_extension(path, extension);
  const Status written = iscii ? SaveISCIIFile(context, path) : SaveHindiUnicodeFile(context, path);
  if (!written) context.prompter.error(written.message());
  return true;
}

}  // namespace quilm
