#include "roman/queued_roman_text.h"

#include <algorithm>

#include "roman/trigram_queue.h"

namespace quilm {
namespace {

void move_to_front(std::vector<RomanCandidate>& candidates, const Bytes& decided) {
  const auto it = std::find_if(candidates.begin(), candidates.end(),
                               [&](const RomanCandidate& c) { return c.pivot == decided; });
  if (it != candidates.end()) std::rotate(candidates.begin(), it, it + 1);
}

void emit(QueuedWord word, const std::function<void(const RomanPiece&)>& piece) {
  for (const RomanPiece& s : word.separators) piece(s);
  move_to_front(word.word.candidates, word.decided);
  piece(word.word);
}

}  // namespace

void convert_roman_text_queued(const RomanData& data, std::string_view text, RomanWordContext& context,
                               const std::function<void(const RomanPiece&)>& piece,
                               const std::function<bool()>& keep_going) {
  TTriGramQueue queue({&data.window_trigrams, &data.statistics, &data.known});
  std::vector<RomanPiece> pending;
  convert_roman_text(data, text, context, [&](const RomanPiece& p) {
    if (p.roman.empty()) {
      pending.push_back(p);
      return;
    }
    if (std::optional<QueuedWord> out = queue.PopWord(false)) emit(std::move(*out), piece);
    queue.PushWord(std::move(pending), p);
    pending.clear();
  }, keep_going);
  if (keep_going && !keep_going()) return;
  while (std::optional<QueuedWord> out = queue.PopWord(true)) emit(std::move(*out), piece);
  for (const RomanPiece& s : pending) piece(s);
}

}  // namespace quilm
