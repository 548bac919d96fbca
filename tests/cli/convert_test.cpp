// quilm-cli convert as a program: text on standard input converted between
// font encodings, Unicode (UTF-8 or the program's UTF-16 files), ISCII and
// Devanagari, as text or as hexadecimal lines.
#include <gtest/gtest.h>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

// "ਪੰਜਾਬੀ" and "ਸਤਿ" as AnmolLipi types them, and in Unicode.
constexpr char kPunjabiAnmol[] = "pMjwbI";
constexpr char kPunjabiHex[] = "70 4D 6A 77 62 49";
constexpr char kPunjabi[] = "\u0A2A\u0A70\u0A1C\u0A3E\u0A2C\u0A40";
constexpr char kSatAnmol[] = "siq";
constexpr char kSat[] = "\u0A38\u0A24\u0A3F";

// UTF-16LE with the byte-order mark, as the program's Unicode files.
const Bytes kPunjabiUtf16 = Bytes("\xFF\xFE") + Bytes("\x2A\x0A\x70\x0A\x1C\x0A\x3E\x0A\x2C\x0A\x40\x0A\x0A\x00", 14);

std::string line(const std::string& text) { return text + "\n"; }

TEST(CliConvert, ConvertsBetweenFontsAndUnicode) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "legacy into Unicode, line by line", .args = {"convert", "--from", "AnmolLipi", "--to", "unicode"},
       .input = line(kPunjabiAnmol) + line(kSatAnmol), .out = line(kPunjabi) + line(kSat)},
      {.label = "Unicode into legacy", .args = {"convert", "--from", "unicode", "--to", "AnmolLipi"},
       .input = line(kPunjabi) + kSat, .out = line(kPunjabiAnmol) + kSatAnmol},
      {.label = "a font named by its font index", .args = {"convert", "--from", "2", "--to", "unicode"},
       .input = line(kPunjabiAnmol), .out = line(kPunjabi)},
      {.label = "Latin text beside Gurmukhi stays Latin",
       .args = {"convert", "--from", "unicode", "--to", "AnmolLipi"},
       .input = line(std::string("Class 7 ") + kPunjabi), .out = line(std::string("Class 7 ") + kPunjabiAnmol)},
      {.label = "hexadecimal font bytes into Unicode",
       .args = {"convert", "--from", "AnmolLipi", "--to", "unicode", "--hex"}, .input = line(kPunjabiHex),
       .out = line(kPunjabi)},
      {.label = "Unicode into hexadecimal font bytes",
       .args = {"convert", "--hex", "--from", "unicode", "--to", "AnmolLipi"}, .input = line(kPunjabi),
       .out = line(kPunjabiHex)},
      {.label = "one font into another, hexadecimal",
       .args = {"convert", "--from", "AnmolLipi", "--to", "Quilm2010", "--hex"}, .input = "68 59 5B\n",
       .out = "68 59 2E\n"},
      {.label = "into the program's UTF-16 files",
       .args = {"convert", "--from", "AnmolLipi", "--to", "unicode", "--utf16"}, .input = line(kPunjabiAnmol),
       .out = kPunjabiUtf16},
      {.label = "from the program's UTF-16 files",
       .args = {"convert", "--from", "unicode", "--to", "AnmolLipi", "--utf16"}, .input = kPunjabiUtf16,
       .out = line(kPunjabiAnmol)},
      {.label = "into Devanagari", .args = {"convert", "--from", "AnmolLipi", "--to", "devanagari"},
       .input = line(kPunjabiAnmol), .out = line("\u092A\u0902\u091C\u093E\u092C\u0940")},
      {.label = "empty input", .args = {"convert", "--from", "AnmolLipi", "--to", "unicode"}, .out = ""},
  };
  expect_cli_cases(cases, dir);
}

// Typed text carries the writer context from line to line, so a key joins
// the glyph the line before left (AnmolLipi writes no bindi after kanna
// while typing: the typing code composes them in the editor).
TEST(CliConvert, TypingCarriesTheWriterContextAcrossLines) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "lines as independent texts", .args = {"convert", "--from", "9", "--to", "AnmolLipi", "--hex"},
       .input = "6B\n49\n", .out = "77\n4E\n"},
      {.label = "lines as keys typed in turn",
       .args = {"convert", "--from", "9", "--to", "AnmolLipi", "--hex", "--typing"}, .input = "6B\n49\n",
       .out = "77\n\n"},
  };
  expect_cli_cases(cases, dir);
}

// What a person types: a font name whose case is off takes the font it
// names, and says so; a font that is not known or cannot be converted is
// refused before anything is written, never passed off as a result.
TEST(CliConvert, FontNamesAreMatchedOrRefused) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "a name whose case is off", .args = {"convert", "--from", "anmollipi", "--to", "unicode"},
       .input = line(kPunjabiAnmol), .out = line(kPunjabi),
       .err = "quilm-cli convert: \"anmollipi\" taken as \"AnmolLipi\"\n"},
      {.label = "both names in capitals", .args = {"convert", "--from", "ANMOLLIPI", "--to", "QUILM2010", "--hex"},
       .input = "68 59 5B\n", .out = "68 59 2E\n",
       .err = "quilm-cli convert: \"ANMOLLIPI\" taken as \"AnmolLipi\"\n"
              "quilm-cli convert: \"QUILM2010\" taken as \"Quilm2010\"\n"},
      {.label = "an unknown source", .args = {"convert", "--from", "NoSuchFont", "--to", "unicode"},
       .input = line(kPunjabiAnmol), .status = kBadInput, .out = "", .err = "\"NoSuchFont\" is not a known font name"},
      {.label = "an unknown destination", .args = {"convert", "--from", "AnmolLipi", "--to", "NoSuchFont"},
       .input = line(kPunjabiAnmol), .status = kBadInput, .out = "", .err = "\"NoSuchFont\" is not a known font name"},
      {.label = "a font without tables into Unicode", .args = {"convert", "--from", "GOLD", "--to", "unicode"},
       .input = line(kPunjabiAnmol), .status = kBadInput, .out = "", .err = "\"GOLD\" cannot be converted from"},
      {.label = "Unicode into a font without tables", .args = {"convert", "--from", "unicode", "--to", "gold"},
       .input = line(kPunjabi), .status = kBadInput, .out = "", .err = "\"GOLD\" cannot be converted into"},
      {.label = "a font into a font without tables", .args = {"convert", "--from", "AnmolLipi", "--to", "GOLD"},
       .input = line(kPunjabiAnmol), .status = kBadInput, .out = "", .err = "\"GOLD\" cannot be converted into"},
      {.label = "the index of names that are not supported", .args = {"convert", "--from", "30", "--to", "unicode"},
       .input = line(kPunjabiAnmol), .status = kBadInput, .out = "", .err = "\"30\" cannot be converted from"},
  };
  expect_cli_cases(cases, dir);
}

// AnmolLipi draws Gurmukhi numerals at its digit bytes; the tables keep
// ASCII digits unless the numerals are asked for.
TEST(CliConvert, GurmukhiDigitsWhenAsked) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "ASCII digits by default", .args = {"convert", "--from", "AnmolLipi", "--to", "unicode"},
       .input = line("]1] 25"), .out = line("\u0965" "1\u0965 25")},
      {.label = "Gurmukhi numerals", .args = {"convert", "--from", "AnmolLipi", "--to", "unicode", "--gurmukhi-digits"},
       .input = line("]1] 25"), .out = line("\u0965\u0A67\u0965 \u0A68\u0A6B")},
      {.label = "into the program's UTF-16 files",
       .args = {"convert", "--from", "AnmolLipi", "--to", "unicode", "--utf16", "--gurmukhi-digits"}, .input = "7",
       .out = Bytes("\xFF\xFE\x6D\x0A", 4)},
  };
  expect_cli_cases(cases, dir);
}

TEST(CliConvert, BadInputAndUsageErrors) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "a word that is not a byte, after a good line",
       .args = {"convert", "--from", "AnmolLipi", "--to", "Quilm2010", "--hex"}, .input = "68\n6B 1FF\n",
       .status = kBadInput, .out = "68\n", .err = "line 2: not a list of hexadecimal bytes"},
      {.label = "hexadecimal bytes into Unicode: nothing is written before the bad line",
       .args = {"convert", "--from", "AnmolLipi", "--to", "unicode", "--hex"}, .input = line(kPunjabiHex) + "zz\n",
       .status = kBadInput, .out = "", .err = "line 2: not a list of hexadecimal bytes"},
      {.label = "UTF-16 input of an odd length",
       .args = {"convert", "--from", "unicode", "--to", "AnmolLipi", "--utf16"}, .input = Bytes("\xFF\xFE\x2A", 3),
       .status = kBadInput, .out = "", .err = "odd number of bytes"},
      {.label = "not UTF-8, on its line", .args = {"convert", "--from", "unicode", "--to", "AnmolLipi"},
       .input = line(kPunjabi) + "\xC3(\n", .status = kBadInput, .out = "", .err = "line 2: not UTF-8 (byte 1)"},
      {.label = "a font index out of range", .args = {"convert", "--from", "999", "--to", "unicode"},
       .status = kUsage, .err = "999 is not a font index"},
      {.label = "Devanagari as a source", .args = {"convert", "--from", "devanagari", "--to", "AnmolLipi"},
       .status = kUsage, .err = "devanagari is a destination only"},
      // The writer context and the clean-up of the pivot text belong to
      // conversions between fonts; elsewhere they would be silently ignored.
      {.label = "--typing with Unicode", .args = {"convert", "--from", "unicode", "--to", "AnmolLipi", "--typing"},
       .status = kUsage, .err = "--typing converts between fonts only"},
      {.label = "--format with Unicode", .args = {"convert", "--from", "AnmolLipi", "--to", "unicode", "--format"},
       .status = kUsage, .err = "--format converts between fonts only"},
      {.label = "--gurmukhi-digits into a font",
       .args = {"convert", "--from", "AnmolLipi", "--to", "Satluj", "--gurmukhi-digits"}, .status = kUsage,
       .err = "--gurmukhi-digits needs a font as --from and unicode as --to"},
      {.label = "--gurmukhi-digits from Unicode",
       .args = {"convert", "--from", "unicode", "--to", "unicode", "--gurmukhi-digits"}, .status = kUsage,
       .err = "--gurmukhi-digits needs a font as --from and unicode as --to"},
  };
  expect_cli_cases(cases, dir);
}

}  // namespace
}  // namespace quilm::test
