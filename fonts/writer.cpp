// The writer engine.
//
// Each step writes one unit or one byte. Beyond the tables, a writer knows
// the glyphs before the text through the writer context (the last two pivot
// bytes of any earlier step, also of earlier calls), which serves three ends:
// context rules choose a sign's glyph by the letter before it; a nukta after
// a consonant that has a glyph with nukta rewrites the consonant's glyph; and
// while keys are typed one at a time, a key may join glyphs already in the
// editor (kanna + bindi, NA + dulainkar + tippi).
#include "fonts/writer.h"

#include <algorithm>
#include <cstring>

#include "encoding/pivot_bytes.h"
#include "fonts/conversion_buffer.h"
#include "fonts/format_for_quilm.h"

namespace quilm {
namespace {

using pivot::kBindi;
using pivot::kLetterNA;
using pivot::kNukta;
using pivot::kSignAA;  // kanna
using pivot::kSignUU;  // dulainkar
using pivot::kTippi;

// Consonants that have a glyph with nukta: SA, LA, PHA, JA, GA, KHA.
constexpr bool in_joining_set(std::uint8_t b) {
  using namespace pivot;
  return b == kLetterSA || b == kLetterLA || b == kLetterPHA || b == kLetterJA || b == kLetterGA || b == kLetterKHA;
}

const WriterUnit* find_unit(const WriterTable& writer, std::uint8_t first, std::uint8_t second) {
  if (!writer.index.any_from(first)) return nullptr;
  for (std::uint16_t u = writer.index.begin[first]; u < writer.index.begin[first + 1]; ++u)
    if (writer.units[u].second == second) return &writer.units[u];
  return nullptr;
}

// What a nukta after `consonant` joins to: the writer's unit for the pair, or
// else its joined output for the consonant; nullptr when it has neither.
const WriterUnit* find_joined(const WriterTable& writer, std::uint8_t consonant) {
  if (const WriterUnit* unit = find_unit(writer, consonant, kNukta)) return unit;
  for (const WriterUnit& joined : writer.joined)
    if (joined.first == consonant) return &joined;
  return nullptr;
}

// The output of one call, in a buffer sized for the longest output the
// table allows.
class Output {
 public:
  explicit Output(std::uint8_t* buffer) : start_(buffer), end_(buffer) {}

  // One 8-byte move; only `size` bytes count, the rest is overwritten next.
  void append(const Glyphs& glyphs) {
    std::memcpy(end_, &glyphs, sizeof(Glyphs));
    end_ += glyphs.size;
  }
  void append(std::uint8_t glyph) { *end_++ = glyph; }
  // Takes back up to `count` glyphs written in this call; returns how many it took.
  int take_back(int count) {
    const int taken = static_cast<int>(std::min<std::ptrdiff_t>(count, end_ - start_));
    end_ -= taken;
    return taken;
  }
  std::size_t size() const { return static_cast<std::size_t>(end_ - start_); }

 private:
  std::uint8_t* start_;
  std::uint8_t* end_;
};

// A byte by its own entry, or by the alternate of its context rule.
[[gnu::always_inline]] inline void write_single(const WriterTable& writer, std::uint8_t b, WriterContext at,
                                                Output& out) {
  if (const std::uint8_t rule = writer.rule_of[b]) {
    const ContextRule& r = writer.rules[rule - 1u];
    if (r.previous.contains(at.previous) || r.before_previous.contains(at.before_previous)) {
      out.append(r.alternate);
      return;
    }
  }
  out.append(writer.single[b]);
}

// The steps that need more than a byte's own entry: units, the nukta, and
// every step while keys are typed. `at` is the writer context before the step.
class SlowSteps {
 public:
  SlowSteps(const WriterTable& writer, ConversionContext& context, Output& out)
      : writer_(writer), context_(context), out_(out) {}

  // A step at text[i]; returns how many bytes it consumed.
  std::size_t step(const std::uint8_t* text, std::size_t i, std::size_t n, WriterContext at) {
    const std::uint8_t b = text[i];
    const bool unit_may_follow = i + 1 < n && writer_.index.seconds.contains(text[i + 1]);
    if (const WriterUnit* unit = unit_may_follow ? find_unit(writer_, b, text[i + 1]) : nullptr) {
      out_.append(unit->output);
      return 2;
    }
    if (!nukta_joins_consonant(b, at) && !typed_pattern(b, at)) write_single(writer_, b, at, out_);
    return 1;
  }

 private:
  // A nukta after a consonant of the joining set that this writer writes with
  // nukta as one glyph. Returns false when the writer treats it plainly.
  bool nukta_joins_consonant(std::uint8_t b, WriterContext at) {
    if (b != kNukta || !in_joining_set(at.previous)) return false;
    const WriterUnit* joined = find_joined(writer_, at.previous);
    if (!joined) return false;
    switch (writer_.nukta_after_joiner.action) {
      case PatternAction::plain:
        return false;
      case PatternAction::drop:  // the joined glyph takes the place of the consonant's
        if (out_.take_back(1) == 1) out_.append(joined->output);
        return true;
      case PatternAction::join:
        if (context_.typing) return false;  // the typing pattern deletes in the editor instead
        out_.append(joined->output);
        return true;
      case PatternAction::append:
        out_.append(joined->output);
        return true;
    }
    return false;
  }

  // The typing patterns: while keys are typed, the glyphs a key joins with
  // are already in the editor. Returns false when none applies or the writer
  // writes the byte plainly.
  bool typed_pattern(std::uint8_t b, WriterContext at) {
    if (!context_.typing) return false;
    const TypingBehaviour* behaviour = nullptr;
    int joined_glyphs = 1;
    if (b == kBindi && at.previous == kSignAA) {
      behaviour = &writer_.bindi_after_kanna;
    } else if (b == kNukta && in_joining_set(at.previous)) {
      behaviour = &writer_.nukta_after_joiner;
    } else if (at.before_previous == kLetterNA &&
               ((b == kTippi && at.previous == kSignUU) || (b == kSignUU && at.previous == kTippi))) {
      behaviour = &writer_.na_uu_tippi;
      joined_glyphs = 2;
    }
    if (!behaviour) return false;
    switch (behaviour->action) {
      case PatternAction::plain:
        return false;
      case PatternAction::drop:
        return true;
      case PatternAction::append:
        out_.append(behaviour->glyph);
        return true;
      case PatternAction::join:
        // Glyphs of earlier bytes of this call are taken back here; the rest
        // are before the insertion point, for the editor to delete.
        context_.erase_before_caret += joined_glyphs - out_.take_back(joined_glyphs);
        out_.append(behaviour->glyph);
        return true;
    }
    return false;
  }

  const WriterTable& writer_;
  ConversionContext& context_;
  Output& out_;
};

// SA followed by nukta as the one letter SHA.
Bytes sa_nukta_as_sha(BytesView pivot) {
  Bytes out;
  out.reserve(pivot.size());
  for (std::size_t i = 0; i < pivot.size(); ++i) {
    const bool sa_nukta = byte_at(pivot, i) == 0x3B && i + 1 < pivot.size() && byte_at(pivot, i + 1) == kNukta;
    out.push_back(static_cast<char>(sa_nukta ? 0x46 : byte_at(pivot, i)));
    if (sa_nukta) ++i;
  }
  return out;
}

// The writer's steps over the n pivot bytes at `text`, once its pre-pass has
// run, into `room` (glyph_room bytes); returns the length written.
std::size_t write_steps_into(const WriterTable& writer, const std::uint8_t* text, std::size_t n,
                             ConversionContext& context, std::uint8_t* room) {
  context.erase_before_caret = 0;
  Output out(room);
  SlowSteps slow(writer, context, out);
  // Most steps write one byte by its entry or its context rule; units, the
  // nukta and every key typed take the slow way.
  const bool typing = context.typing;
  WriterContext at = context.writer;
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t b = text[i];
    const std::uint8_t flags = writer.flags[b];
    const std::uint8_t next = i + 1 < n ? text[i + 1] : 0;
    const bool unit_may_start = (flags & step_flag::kUnitStart) & writer.index.seconds.contains(next);
    if (!(unit_may_start | (b == kNukta) | typing)) [[likely]] {
      write_single(writer, b, at, out);
      ++i;
    } else {
      i += slow.step(text, i, n, at);
    }
    // After a unit the context holds the unit's first byte.
    if (!(flags & step_flag::kKeepsContext)) at = {b, at.previous};
  }
  context.writer = at;
  return out.size();
}

// The writer's steps over the pivot text, once its pre-pass has run.
Bytes write_steps(const WriterTable& writer, BytesView pivot, ConversionContext& context) {
  const std::size_t n = length_before_zero(pivot);
  ConversionBuffer buffer(glyph_room(writer, n));
  Bytes result = buffer.bytes(
      write_steps_into(writer, reinterpret_cast<const std::uint8_t*>(pivot.data()), n, context, buffer.data()));
  if (writer.post_pass == PostPass::format_for_quilm) return Format_for_Quilm(result);
  return result;
}

}  // namespace

bool writes_directly(const WriterTable& writer) {
  return writer.pre_pass == PrePass::none && writer.post_pass == PostPass::none;
}

std::size_t write_glyphs_into(const WriterTable& writer, BytesView pivot, ConversionContext& context,
                              std::uint8_t* out) {
  return write_steps_into(writer, reinterpret_cast<const std::uint8_t*>(pivot.data()), length_before_zero(pivot),
                          context, out);
}

Bytes write_from_pivot(const WriterTable& writer, BytesView pivot, ConversionContext& context) {
  if (writer.pre_pass == PrePass::sa_nukta_as_sha) return write_steps(writer, sa_nukta_as_sha(pivot), context);
  return write_steps(writer, pivot, context);
}

}  // namespace quilm
