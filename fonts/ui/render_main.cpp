// quilm-render: draws a line of text in a font to a PNG image, as the editor
// would show it (the same display fonts and substitution), so the fonts can
// be checked without the desktop program. Runs offscreen.
//
//   quilm-render --font NAME [--hex] [--size POINTS] TEXT OUT.png
//
// In a Gurmukhi font of the registry TEXT is legacy bytes (raw, or with --hex
// space-separated hexadecimal); in any other font it is UTF-8 Unicode text.
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fonts/registry.h"
#include "fonts/ui/display_fonts.h"
#include "fonts/ui/text_image.h"

namespace {

constexpr int kSuccess = 0, kBadInput = 1, kUsage = 2;

struct Options {
  std::string font, text, out;
  bool hex = false;
  int size = 28;
};

void print_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-render --font NAME [--hex] [--size POINTS] TEXT OUT.png\n"
               "       quilm-render --fonts-folder\n"
               "\n"
               "Draws TEXT in font NAME to the PNG image OUT.png, as the editor shows it.\n"
               "In a Gurmukhi font name TEXT is legacy bytes (raw, or space-separated\n"
               "hexadecimal with --hex); in any other font UTF-8 text. Prints the family\n"
               "that really drew the text. --fonts-folder prints the folder the display\n"
               "fonts are loaded from (the program finds them the same way), or says\n"
               "that there is none.\n");
}

int print_fonts_folder(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  const QString folder = quilm::ui::display_fonts_folder();
  if (folder.isEmpty()) {
    std::fprintf(stderr, "quilm-render: no display fonts found\n");
    return kBadInput;
  }
  std::printf("%s\n", qPrintable(folder));
  return kSuccess;
}

std::optional<Options> parse_options(const std::vector<std::string>& args) {
  Options o;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--hex") {
      o.hex = true;
    } else if (args[i] == "--font" && i + 1 < args.size()) {
      o.font = args[++i];
    } else if (args[i] == "--size" && i + 1 < args.size()) {
      o.size = std::atoi(args[++i].c_str());
    } else if (args[i].starts_with("--")) {
      return std::nullopt;
    } else {
      rest.push_back(args[i]);
    }
  }
  if (o.font.empty() || rest.size() != 2 || o.size <= 0) return std::nullopt;
  o.text = rest[0];
  o.out = rest[1];
  return o;
}

std::optional<std::string> bytes_of_hex(const std::string& hex) {
  std::string out;
  std::size_t pos = 0;
  while (pos < hex.size()) {
    if (hex[pos] == ' ') { ++pos; continue; }
    std::size_t used = 0;
    unsigned long v = 0;
    try { v = std::stoul(hex.substr(pos, 2), &used, 16); } catch (...) { return std::nullopt; }
    if (used != 2 || v > 0xFF) return std::nullopt;
    out += static_cast<char>(v);
    pos += 2;
  }
  return out;
}

// Legacy bytes as the editor keeps them: the character whose code is the byte.
QString legacy_text(const std::string& bytes) { return QString::fromLatin1(bytes.data(), bytes.size()); }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    print_usage(stdout);
    return kSuccess;
  }
  if (args.size() == 1 && args[0] == "--fonts-folder") return print_fonts_folder(argc, argv);
  const std::optional<Options> o = parse_options(args);
  if (!o) {
    print_usage(stderr);
    return kUsage;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  const quilm::ui::DisplayFontsReport report = quilm::ui::load_display_fonts();
  for (const QString& p : report.problems) std::fprintf(stderr, "quilm-render: %s\n", qPrintable(p));

  const bool legacy = quilm::FontRegistry().check_font_punjabi(o->font);
  std::optional<std::string> bytes = o->hex ? bytes_of_hex(o->text) : std::optional<std::string>(o->text);
  if (!bytes) {
    std::fprintf(stderr, "quilm-render: \"%s\" is not hexadecimal bytes\n", o->text.c_str());
    return kBadInput;
  }
  const QString font = QString::fromStdString(o->font);
  const QString text = legacy ? legacy_text(*bytes) : QString::fromStdString(*bytes);
  if (!quilm::ui::text_image(font, text, o->size).save(QString::fromStdString(o->out), "PNG")) {
    std::fprintf(stderr, "quilm-render: cannot write %s\n", o->out.c_str());
    return kBadInput;
  }
  std::printf("%s\n", qPrintable(quilm::ui::drawn_family(font)));
  return kSuccess;
}
