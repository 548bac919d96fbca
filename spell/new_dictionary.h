// "New Dictionary" (TNewDict): an empty additional dictionary made in the
// data folder's Dict/ folder, and perhaps made the one in use at once.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/status.h"
#include "spell/lexicon.h"

namespace quilm {

inline constexpr std::string_view kDictionaryExists = "Dictionary already existing";
inline constexpr std::string_view kRenameDictionary = "Rename the dictionary";
inline constexpr std::string_view kCannotCreateDictionary = "Cannot create the Dictionary : Change Name";

// A name the file may take: one file name (no folder part, no leading dot,
// no control character), of at most 64 bytes. UTF-8 letters are welcome.
bool valid_dictionary_name(std::string_view name);

// The file name of the dictionary `name`: name + ".dic".
std::string dictionary_file_name(std::string_view name);

// Whether Dict/<name>.dic exists in the data folder.
bool dictionary_exists(const std::filesystem::path& data_folder, std::string_view name);

enum class NewDictionary { Created, Exists, CannotCreate };

// Creates Dict/<name>.dic holding 21 lines "0", complete or not at all,
// never over an existing file. CannotCreate for a name that is not valid
// or a file that cannot be written; `problem` then says why.
NewDictionary create_dictionary(const std::filesystem::path& data_folder, std::string_view name, Status* problem);

// "Set Default Dictionary": the new, empty dictionary becomes the one in
// use, with the smaller room a new dictionary takes (50 words of length 1,
// 50 of 2, 150 of 3 to 7 ...), without reading its file. The dictionary in
// use is written back first so that the words added in this run are kept;
// when that fails nothing changes and the reason is returned.
Status make_new_dictionary_current(SpellLexicon& lexicon, const std::filesystem::path& data_folder,
                                   std::string& current_name, std::string_view name);

// The room of section s (1 .. 21) of a dictionary made current here.
std::size_t new_dictionary_capacity(int s);

}  // namespace quilm
