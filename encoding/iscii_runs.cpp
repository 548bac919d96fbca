// ISCII run splitting.
#include "encoding/iscii_runs.h"

namespace quilm {
namespace {

bool separates(std::uint8_t b) { return b <= 0x40 || (b >= 0x5B && b <= 0x60) || (b >= 0x7B && b <= 0x7E); }

}  // namespace

std::vector<IsciiPiece> split_iscii_runs(BytesView bytes) {
  std::vector<IsciiPiece> pieces;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::uint8_t b = byte_at(bytes, i);
    const IsciiPiece::Kind kind = separates(b) ? IsciiPiece::Kind::Separator
                                  : b >= 0x80  ? IsciiPiece::Kind::Gurmukhi
                                               : IsciiPiece::Kind::Latin;
    if (pieces.empty() || pieces.back().kind != kind || kind == IsciiPiece::Kind::Separator)
      pieces.push_back({kind, {}});
    pieces.back().bytes.push_back(static_cast<char>(b));
  }
  return pieces;
}

}  // namespace quilm
