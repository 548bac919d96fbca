// Where the texts a search looks for occur in the document. The runs are
// read once and joined into stretches of one font; each font has its own
// texts to look for (the variants of a word written in that font's
// encoding) or none, and a text matches only inside one stretch. At one
// place the longest text wins, so a longer variant is never cut short.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dict/font_text.h"
#include "editor/editor.h"

namespace quilm {

struct TextMatch {
  int start = 0;
  int length = 0;
  int end() const { return start + length; }
  bool operator==(const TextMatch&) const = default;
};

// What is looked for in the text of one font.
struct FontPatterns {
  std::vector<std::u16string> texts;
  FontText encoding = FontText::unicode();  // decides which characters form words
  bool match_case = true;    // without it ASCII and Latin-1 letters match either case
  bool whole_words = false;  // the characters either side must not form words
};

// The patterns of a font name; nullopt when text of that font is not searched.
using PatternsForFont = std::function<std::optional<FontPatterns>(const std::string& font_name)>;

class DocumentMatches {
 public:
  DocumentMatches(const std::vector<TextRun>& runs, const PatternsForFont& patterns_for);

  // The first match starting at or after `from`.
  std::optional<TextMatch> first_from(int from) const;
  // The last match ending at or before `limit` (so strictly before it).
  std::optional<TextMatch> last_before(int limit) const;
  // Matches that do not overlap, from `from` to the end, in order.
  std::vector<TextMatch> all_from(int from) const;
  // Matches that do not overlap, ending at or before `limit`, last first.
  std::vector<TextMatch> all_before(int limit) const;

  // The characters of a match as the document holds them.
  std::u16string text_of(const TextMatch& m) const;
  // The font name of the stretch a match lies in.
  const std::string& font_of(const TextMatch& m) const;

 private:
  struct Stretch {
    int start = 0;
    std::u16string text;    // as the document holds it
    std::u16string folded;  // for a search that ignores case
    std::string font_name;
    int patterns = -1;      // index into patterns_, -1: not searched
  };
  struct Compiled {
    FontPatterns patterns;
    std::vector<std::u16string> texts;  // longest first, folded when case does not count
    std::u16string first_chars;         // the first character of each text, once
  };

  static Compiled compile(std::optional<FontPatterns> patterns);
  void add_run(const TextRun& run, int start, const PatternsForFont& patterns_for);
  std::optional<int> longest_at(const Stretch& s, std::size_t p, std::size_t room) const;
  bool is_boundary(const Stretch& s, const Compiled& c, std::ptrdiff_t p) const;
  const Stretch& stretch_of(int position) const;

  std::vector<Stretch> stretches_;
  std::vector<Compiled> patterns_;
  std::vector<std::string> pattern_fonts_;
};

}  // namespace quilm
