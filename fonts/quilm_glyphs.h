// The glyph codes of the Quilm encoding (font index 35, the fonts "Quilm"
// and "Quilm2010") that the typing rules name. Most glyphs sit on the Roman
// key that types them, so code writes them as character literals ('k' is
// KA, 'w' the kanna); the glyphs above 0x7F are named here.
#pragma once

#include <cstdint>

namespace quilm::typing::glyph {

inline constexpr std::uint8_t kSihari = 'i';       // sign I, stored before its consonant
inline constexpr std::uint8_t kKanna = 'w';        // sign AA
inline constexpr std::uint8_t kSignAI = 'Y';       // dulavan
inline constexpr std::uint8_t kNukta = 'L';
inline constexpr std::uint8_t kAddak = 'S';
inline constexpr std::uint8_t kAddakBeside = 0xA5;  // the addak where 'S' would collide with a sign
inline constexpr std::uint8_t kTippi = 'M';
inline constexpr std::uint8_t kBindi = 'N';
inline constexpr std::uint8_t kSubjoinedHa = 'H';
inline constexpr std::uint8_t kUra = 'a';           // bearer of U, UU, OO
inline constexpr std::uint8_t kAira = 'E';          // bearer of A, AA, AI, AU
inline constexpr std::uint8_t kIri = 'e';           // bearer of I, II, EE
inline constexpr std::uint8_t kKannaBindi = 0xA2;   // kanna with bindi in one glyph
inline constexpr std::uint8_t kKannaBindiOther = 0x8E;
inline constexpr std::uint8_t kNaUuTippi = 0x83;    // NA with UU and tippi in one glyph
inline constexpr std::uint8_t kSha = 0xC8;
inline constexpr std::uint8_t kKhha = 0xC9;
inline constexpr std::uint8_t kGhha = 0xCA;
inline constexpr std::uint8_t kZa = 0xCB;
inline constexpr std::uint8_t kFa = 0xCC;
inline constexpr std::uint8_t kLla = 0xDC;

// The editor font that the Romanised layout types in.
inline constexpr const char* kTypingFont = "Quilm2010";

}  // namespace quilm::typing::glyph
