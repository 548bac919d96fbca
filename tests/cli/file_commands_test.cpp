// quilm-cli convert-doc, convert-file and table as programs: the files they
// write, and the files they leave alone when the input is bad. (The runs of
// RTF documents and the table queries are tested with their own folders,
// tests/convert and tests/tables.)
#include <gtest/gtest.h>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

// "ਪੰਜਾਬੀ" as AnmolLipi types it, and as the program's UTF-16 text files hold it.
constexpr char kPunjabiAnmol[] = "pMjwbI";
const Bytes kUtf16Bom = "\xFF\xFE";
const Bytes kPunjabiUtf16 = Bytes("\x2A\x0A\x70\x0A\x1C\x0A\x3E\x0A\x2C\x0A\x40\x0A", 12);

// An RTF document: an AnmolLipi word, then Latin text in Arial.
constexpr char kMixedRtf[] =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 AnmolLipi;}{\\f1 Arial;}}\\f0 pMjwbI\\f1  Class 7\\par}";

Bytes utf16(const std::string& ascii) {
  Bytes out;
  for (char c : ascii) out += Bytes{c, '\0'};
  return out;
}

TEST(CliFileCommands, WriteTheConvertedFile) {
  struct Case {
    const char* label;
    std::vector<std::string> args;
    const char* in_name;  // the input file in the case's folder
    Bytes in;
    Bytes out;        // what out.txt then holds
    std::string err = {};  // the whole of stderr; "{dir}" stands for the folder
  };
  const Case cases[] = {
      {"convert-doc into a Unicode text file, Latin runs left as they are",
       {"convert-doc", "--from", "auto", "--to", "unicode", "{dir}/in.rtf", "{dir}/out.txt"},
       "in.rtf", kMixedRtf, kUtf16Bom + kPunjabiUtf16 + utf16(" Class 7")},
      {"convert-doc reads 8-bit text in the font given",
       {"convert-doc", "--from", "AnmolLipi", "--to", "unicode", "{dir}/in.txt", "{dir}/out.txt"},
       "in.txt", kPunjabiAnmol, kUtf16Bom + kPunjabiUtf16},
      {"convert-doc: a font name whose case is off",
       {"convert-doc", "--from", "anmollipi", "--to", "unicode", "{dir}/in.txt", "{dir}/out.txt"},
       "in.txt", kPunjabiAnmol, kUtf16Bom + kPunjabiUtf16,
       "quilm-cli convert-doc: \"anmollipi\" taken as \"AnmolLipi\"\n"},
      {"convert-doc into Unicode with Gurmukhi numerals",
       {"convert-doc", "--from", "AnmolLipi", "--to", "unicode", "--gurmukhi-digits", "{dir}/in.txt", "{dir}/out.txt"},
       "in.txt", "]1]", kUtf16Bom + Bytes("\x65\x09\x67\x0A\x65\x09", 6)},
      {"convert-file from one font into another",
       {"convert-file", "--from", "AnmolLipi", "--to", "Quilm2010", "{dir}/in.txt", "{dir}/out.txt"},
       "in.txt", "hY[", "hY.",
       "quilm-cli convert-file: 1 word converted into Quilm2010, written to {dir}/out.txt.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TempDir dir;
    dir.write(c.in_name, c.in);
    const ProgramRun run = run_cli(c.args, {}, &dir);
    EXPECT_EQ(run.status, kOk) << run.err;
    EXPECT_EQ(run.err, with_folder(c.err, dir));
    EXPECT_EQ(dir.read("out.txt"), c.out);
  }
}

TEST(CliFileCommands, BadInputLeavesNoFile) {
  TempDir dir;
  dir.write("in.txt", kPunjabiAnmol);
  dir.write("broken.txt", kUtf16Bom + Bytes("\x2A\x0A\x00\xD8\x41\x00", 6));
  dir.write("T.schema", "field Word text\nfield Count integer\nprimary Word\n");
  ASSERT_EQ(run_cli({"table", "create", "{dir}/T.schema", "{dir}/T.db"}, {}, &dir).status, kOk);
  const CliCase cases[] = {
      {.label = "convert-doc into a folder that does not exist",
       .args = {"convert-doc", "--from", "AnmolLipi", "--to", "unicode", "{dir}/in.txt", "{dir}/no/out.txt"},
       .status = kBadInput},
      {.label = "convert-file into a folder that does not exist",
       .args = {"convert-file", "--from", "AnmolLipi", "--to", "Satluj", "{dir}/in.txt", "{dir}/no/out.txt"},
       .status = kBadInput},
      {.label = "convert-doc into a font that cannot be written",
       .args = {"convert-doc", "--from", "AnmolLipi", "--to", "AnmolOutilined", "{dir}/in.txt", "{dir}/out.txt"},
       .status = kBadInput},
      {.label = "convert-doc from a font that is not known",
       .args = {"convert-doc", "--from", "NoSuchFont", "--to", "unicode", "{dir}/in.txt", "{dir}/out.txt"},
       .status = kBadInput, .err = "\"NoSuchFont\" is not a known font name"},
      {.label = "convert-doc into a font that is not known",
       .args = {"convert-doc", "--from", "auto", "--to", "NoSuchFont", "{dir}/in.txt", "{dir}/out.txt"},
       .status = kBadInput, .err = "\"NoSuchFont\" is not a known font name"},
      // As the window refuses it: loaded as glyphs it would be written out as junk.
      {.label = "convert-doc of a UTF-16 text with a broken surrogate",
       .args = {"convert-doc", "--from", "auto", "--to", "Satluj", "{dir}/broken.txt", "{dir}/out.txt"},
       .status = kBadInput, .err = "surrogate"},
      {.label = "table schema of a missing file", .args = {"table", "schema", "{dir}/none.db"},
       .status = kBadInput, .out = "", .err = "none.db"},
      {.label = "table create from a missing schema",
       .args = {"table", "create", "{dir}/none.schema", "{dir}/N.db"}, .status = kBadInput, .out = "",
       .err = "cannot read the schema file"},
      {.label = "table find with a key that is not hexadecimal",
       .args = {"table", "find", "{dir}/T.db", "--hex", "6"}, .status = kBadInput, .out = "",
       .err = "\"6\" is not a string of hexadecimal byte values"},
      {.label = "table find in an empty table", .args = {"table", "find", "{dir}/T.db", "ka"},
       .status = kBadInput, .out = "", .err = "has the key given"},
  };
  expect_cli_cases(cases, dir);
}

TEST(CliFileCommands, UsageErrors) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "convert-doc: --to without a value",
       .args = {"convert-doc", "--from", "auto", "{dir}/in.rtf", "{dir}/out.rtf", "--to"}, .status = kUsage,
       .err = "--to needs a value"},
      {.label = "convert-file: three files", .args = {"convert-file", "--from", "auto", "--to", "Satluj", "a", "b", "c"},
       .status = kUsage, .err = "unexpected argument \"c\""},
      {.label = "convert-file: a destination index without a font",
       .args = {"convert-file", "--from", "auto", "--to", "30", "{dir}/in.txt", "{dir}/out.txt"},
       .status = kUsage, .err = "30 is not the font index of a font"},
      {.label = "convert-doc: Gurmukhi numerals into a font",
       .args = {"convert-doc", "--from", "auto", "--to", "Satluj", "--gurmukhi-digits", "{dir}/in.txt",
                "{dir}/out.txt"},
       .status = kUsage, .err = "--gurmukhi-digits needs --to unicode"},
      {.label = "convert-file has no Gurmukhi numerals",
       .args = {"convert-file", "--from", "auto", "--to", "Satluj", "--gurmukhi-digits", "{dir}/in.txt",
                "{dir}/out.txt"},
       .status = kUsage, .err = "unknown option \"--gurmukhi-digits\""},
      {.label = "table without a verb", .args = {"table"}, .status = kUsage, .err = "a verb is needed"},
      {.label = "table: an unknown verb", .args = {"table", "drop", "{dir}/T.db"}, .status = kUsage,
       .err = "unknown verb \"drop\""},
      {.label = "table dump: two orders", .args = {"table", "dump", "{dir}/T.db", "--index", "A", "--fields", "B"},
       .status = kUsage, .err = "--index and --fields exclude each other"},
      {.label = "table find: no key", .args = {"table", "find", "{dir}/T.db"}, .status = kUsage,
       .err = "KEY is required"},
      {.label = "table dump: --nearest belongs to find", .args = {"table", "dump", "{dir}/T.db", "--nearest"},
       .status = kUsage, .err = "unknown option \"--nearest\""},
      {.label = "table create: no output", .args = {"table", "create", "{dir}/T.schema"}, .status = kUsage,
       .err = "OUT is required"},
  };
  expect_cli_cases(cases, dir);
  const ProgramRun help = run_cli({"table", "--help"});
  EXPECT_EQ(help.status, kOk);
  EXPECT_TRUE(help.out.starts_with("usage: quilm-cli table create SCHEMA OUT\n")) << help.out;
}

}  // namespace
}  // namespace quilm::test
