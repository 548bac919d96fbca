// The filters of the file dialogs, written as pairs of caption and mask
// ("Text files (*.txt)|*.txt|HTML Documents (*.htm ; *.html)|*.htm;*.html"),
// in the form file dialogs list them: one name filter per pair, the caption
// with the pair's masks in parentheses ("HTML Documents (*.htm *.html)").
#pragma once

#include <string>
#include <vector>

namespace quilm {

// A caption without a mask after it is left out; "*.*" becomes "*", so that
// files without an extension are listed too.
std::vector<std::string> dialog_name_filters(const std::string& filter);

}  // namespace quilm
