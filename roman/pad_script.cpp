#include "roman/pad_script.h"

#include <charconv>

#include "encoding/utf16.h"

namespace quilm {
namespace {

std::optional<std::u16string> unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[++i];
    out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
  }
  return from_utf8(out);
}

std::optional<std::size_t> number(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

Status bad(std::string_view what, std::string_view line) {
  return Status::Error(std::string(what) + ": \"" + std::string(line) + "\"");
}

void note_unless(const Status& s, std::vector<std::string>* notes) {
  if (!s && notes != nullptr) notes->push_back(s.message());
}

}  // namespace

Status replay_pad_event(TypingPad& pad, std::string_view line, std::vector<std::string>* notes) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return Status::Ok();
  const std::size_t blank = line.find(' ');
  const std::string_view event = line.substr(0, blank);
  const std::string_view rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  if (event == "type" || event == "paste") {
    const std::optional<std::u16string> text = unescaped(rest);
    if (!text) return bad("the text is not UTF-8", line);
    if (event == "paste") {
      note_unless(pad.paste(*text), notes);
    } else {
      for (char16_t c : *text) note_unless(pad.type(c), notes);
    }
    return Status::Ok();
  }
  if ((event == "backspace" || event == "delete" || event == "retransliterate") && rest.empty()) {
    if (event == "backspace") note_unless(pad.backspace(), notes);
    else if (event == "delete") note_unless(pad.delete_forward(), notes);
    else pad.retransliterate();
    return Status::Ok();
  }
  if (event == "move" || event == "choose") {
    const std::optional<std::size_t> n = number(rest);
    if (!n) return bad("a number is wanted", line);
    if (event == "move") pad.move(*n);
    else if (!pad.choose(*n) && notes != nullptr) notes->push_back("no alternative " + std::to_string(*n));
    return Status::Ok();
  }
  if (event == "select") {
    const std::size_t space = rest.find(' ');
    const std::optional<std::size_t> from = number(rest.substr(0, space));
    const std::optional<std::size_t> to =
        space == std::string_view::npos ? std::nullopt : number(rest.substr(space + 1));
    if (!from || !to) return bad("two numbers are wanted", line);
    pad.select(*from, *to);
    return Status::Ok();
  }
  return bad("unknown event", line);
}

Status replay_pad_script(TypingPad& pad, std::string_view script, std::vector<std::string>* notes) {
  std::size_t line_number = 0;
  while (!script.empty()) {
    ++line_number;
    const std::size_t end = script.find('\n');
    const std::string_view line = script.substr(0, end);
    script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
    if (Status s = replay_pad_event(pad, line, notes); !s)
      return Status::Error("line " + std::to_string(line_number) + ": " + s.message());
  }
  return Status::Ok();
}

}  // namespace quilm
