// The windows of the program, in the order they are created at start-up, with
// their captions. The main window comes first; every other window is created
// once, hidden, and reused. Tool windows that sit against the right edge of the
// main window say so here.
#pragma once

#include <array>

namespace quilm::ui {

enum class Placement {
  Free,
  RightEdge,       // left = the main window's client width less the window's width
  RightEdgeAtTop,  // as RightEdge, and top 0
};

struct WindowEntry {
  const char* class_name;
  const char* caption;
  Placement placement;
};

// Every window after TMainForm. The font conversion dialogs ("Change Font",
// "Convert Font") are not here: the main window makes them on first use.
inline constexpr std::array<WindowEntry, 36> kToolWindows = {{
    {"TInsertTable", "Insert Table", Placement::Free},
    {"TTableSort", "Sort...", Placement::Free},
    {"TFreqSel", "Frequency Analysis", Placement::Free},
    {"TPageSetup", "Page SetUp", Placement::Free},
    {"TSuggestion", "Spelling Checker", Placement::RightEdge},
    {"TfrmPrintPreview", "Print Preview", Placement::Free},
    {"TPageNumber", "Page Numbering", Placement::Free},
    {"TEnglishPbiDic", "English-Punjabi Dictionary", Placement::RightEdge},
    {"TAboutBox", "About Quilm 2010", Placement::Free},
    {"TWordCount", "File Statistics", Placement::Free},
    {"TFramesDlg", "Paragraph Frames", Placement::Free},
    {"Tformfind", "Find -Replace", Placement::RightEdge},
    {"TPunEngDic", "Punjabi English Dictionary", Placement::RightEdge},
    {"TOptions", "Options", Placement::Free},
    {"TExtraDict", "Additional Dictionaries", Placement::Free},
    {"TNewDict", "New Dictionary", Placement::Free},
    {"TDeleteDict", "Delete Dictionary", Placement::Free},
    {"TSortFile", "Sort File", Placement::Free},
    {"TLoadWordList", "Load WordList", Placement::Free},
    {"TFOption", "Frequency Options", Placement::Free},
    {"TSaveWordList", "Save WordList", Placement::Free},
    {"TConcordance", "Concordance", Placement::Free},
    {"TRichEditForm", "Text", Placement::Free},
    {"TAdditionalDict", "Additional Dictionary", Placement::Free},
    {"TGoToLinePage", "Go To", Placement::Free},
    {"TRomanGurTransliterate", "Punjabi Text", Placement::RightEdgeAtTop},
    {"TSound", "Gurmukhi to Roman Transliteration Samples", Placement::RightEdgeAtTop},
    {"TTransliterate", "Romanised Punjabi Text", Placement::RightEdgeAtTop},
    {"TTransPH", "Transliterate", Placement::Free},
    {"TPunjabiType", "Punjabi Typing Pad", Placement::RightEdge},
    {"TAddWord", "Add Word", Placement::Free},
    {"TSamples", "Samples", Placement::Free},
    {"TRtoGOptions", "Options", Placement::Free},
    {"TAdministrative", "Punjabi Administrative Terms", Placement::RightEdge},
    {"TSuffix", "Prefix and Suffix Lists", Placement::RightEdge},
    {"TREdit2", "Text", Placement::Free},
}};

}  // namespace quilm::ui
