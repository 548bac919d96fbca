// Splitting ISCII bytes into runs for the ISCII import: stretches of ISCII
// Gurmukhi (bytes from 0x80), stretches of ASCII letters, and the separators
// between them (spaces, control bytes, ASCII digits and punctuation), each
// one byte.
#pragma once

#include <vector>

#include "common/bytes.h"

namespace quilm {

struct IsciiPiece {
  enum class Kind { Gurmukhi, Latin, Separator };
  Kind kind;
  Bytes bytes;
};

// A change between ASCII letters and ISCII bytes ends one run and starts the
// next, so that no run mixes the two scripts.
std::vector<IsciiPiece> split_iscii_runs(BytesView bytes);

}  // namespace quilm
