#include "roman/roman_normalise.h"

namespace quilm {
namespace {

bool ends_with(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

void replace_ending(std::string& s, std::string_view tail, std::string_view by) {
  s.replace(s.size() - tail.size(), tail.size(), by);
}

void replace_all(std::string& s, std::string_view from, std::string_view to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

bool one_of(char c, std::string_view set) { return c != '\0' && set.find(c) != std::string_view::npos; }

// "tion" becomes "shn"; a final "ay" or "ey" becomes "e".
std::string copy_with_endings(std::string_view word) {
  std::string out;
  const std::size_t n = word.size();
  for (std::size_t i = 0; i < n;) {
    if (word.substr(i, 4) == "tion" && i + 4 <= n) {
      out += "shn";
      i += 4;
    } else if (i + 2 == n && (word.substr(i) == "ay" || word.substr(i) == "ey")) {
      out += 'e';
      i += 2;
    } else {
      out += word[i++];
    }
  }
  return out;
}

void mend_endings(std::string& s) {
  if (s.size() > 3 && ends_with(s, "jit")) replace_ending(s, "jit", "jeet");
  if (s.size() > 4 && ends_with(s, "inder")) replace_ending(s, "inder", "indr");
  if (s.size() > 4 && ends_with(s, "want")) replace_ending(s, "want", "wnt");
  if (s.size() > 2 && ends_with(s, "ow")) s.pop_back();
  if (s.size() > 3 && ends_with(s, "oya")) replace_ending(s, "oya", "oeea");
}

// "kya", "pyar", "khyal": the y after the first consonant is a sihari.
void mend_initial_y(std::string& s) {
  if (s.size() > 3 && one_of(s[0], "DTbcdgjklmnpqrstz") && s[1] == 'y' && (s[2] == 'a' || s[2] == 'o')) s[1] = 'i';
  if (s.size() > 4 && one_of(s[0], "DTbcdgjkpst") && s[1] == 'h' && s[2] == 'y' && (s[3] == 'a' || s[3] == 'o'))
    s[2] = 'i';
}

void mend_y_clusters(std::string& s) {
  replace_all(s, "aya", "aaiaa");
  replace_all(s, "oyi", "oi");
  if (ends_with(s, "eya")) replace_ending(s, "eya", "ia");
  replace_all(s, "tya", "tia");
  replace_all(s, "ck", "kk");
}

}  // namespace

std::string normalise_roman(std::string_view word) {
  std::string s = copy_with_endings(word);
  if (s.size() > 3 && ends_with(s, "dip")) replace_ending(s, "dip", "deep");
  replace_all(s, "ii", "ee");
  replace_all(s, "uu", "oo");
  mend_endings(s);
  mend_initial_y(s);
  mend_y_clusters(s);
  return s;
}

}  // namespace quilm
