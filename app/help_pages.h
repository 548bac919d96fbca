// The pages of the program's help: which page tells about which window. The
// help opens on the page of the window it is called from, by the window's
// object name, else by its class name; a window without a page of its own
// gets the contents page.
#pragma once

#include <array>
#include <string_view>

namespace quilm {

inline constexpr const char* kHelpContentsPage = "index.html";

struct HelpPageOfWindow {
  std::string_view window;
  const char* page;
};

inline constexpr std::array<HelpPageOfWindow, 29> kHelpPagesOfWindows = {{
    {"TMainForm", "index.html"},
    {"TPageNumber", "printing.html"},
    {"TPageSetup", "printing.html"},
    {"ChangeFont", "font-conversion.html"},
    {"ConvertFont", "font-conversion.html"},
    {"Suggestion", "spelling.html"},
    {"AdditionalDict", "spelling.html"},
    {"TNewDict", "spelling.html"},
    {"formfind", "find-replace.html"},
    {"Tformfind", "find-replace.html"},
    {"RomanWindow", "transliteration.html"},
    {"SamplesWindow", "transliteration.html"},
    {"TTransPH", "transliteration.html"},
    {"TRomanGurTransliterate", "transliteration.html"},
    {"TFreqSel", "text-analysis.html"},
    {"TConcordance", "text-analysis.html"},
    {"TLoadWordList", "text-analysis.html"},
    {"TSaveWordList", "text-analysis.html"},
    {"TFOption", "text-analysis.html"},
    {"TSortFile", "sorting.html"},
    {"TTableSort", "sorting.html"},
    {"TPunEngDic", "dictionaries.html"},
    {"TEnglishPbiDic", "dictionaries.html"},
    {"TPunjabiType", "typing.html"},
    {"TOptions", "options.html"},
    {"TGoToLinePage", "editing.html"},
    {"TDictionaryWindow", "dictionaries.html"},
    {"TAdministrativeWindow", "dictionaries.html"},
    {"TAffixWindow", "dictionaries.html"},
}};

// The page of the window named `window`; nullptr when it has none.
constexpr const char* help_page_of_window(std::string_view window) {
  for (const HelpPageOfWindow& entry : kHelpPagesOfWindows)
    if (entry.window == window) return entry.page;
  return nullptr;
}

}  // namespace quilm
