// Conversions of field values between text and numbers.
#include "tables/field_value.h"

#include <charconv>
#include <cmath>

namespace quilm {
namespace {

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// from_chars takes no leading '+'; a typed number may have one.
std::string_view without_plus(std::string_view s) {
  if (s.size() > 1 && s.front() == '+') s.remove_prefix(1);
  return s;
}

template <typename Number>
std::optional<Number> parse_number(std::string_view text) {
  text = without_plus(trim_blanks(text));
  Number n{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return n;
}

template <typename Number>
Bytes format_number(Number n) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
  return Bytes(buffer, result.ptr);
}

bool is_blank_text(const Bytes& text) { return trim_blanks(text).empty(); }

}  // namespace

Bytes FieldValue::as_text() const {
  if (const auto* text = std::get_if<Bytes>(&value_)) return *text;
  if (const auto* integer = std::get_if<std::int64_t>(&value_)) return format_number(*integer);
  if (const auto* real = std::get_if<double>(&value_)) return format_number(*real);
  return Bytes();
}

std::optional<std::int64_t> FieldValue::to_integer() const {
  if (is_null()) return 0;
  if (const auto* integer = std::get_if<std::int64_t>(&value_)) return *integer;
  if (const auto* real = std::get_if<double>(&value_)) return static_cast<std::int64_t>(std::nearbyint(*real));
  const Bytes& text = std::get<Bytes>(value_);
  if (const auto integer = parse_number<std::int64_t>(text)) return integer;
  if (const auto real = parse_number<double>(text)) return static_cast<std::int64_t>(std::nearbyint(*real));
  return std::nullopt;
}

std::optional<double> FieldValue::to_real() const {
  if (is_null()) return 0.0;
  if (const auto* integer = std::get_if<std::int64_t>(&value_)) return static_cast<double>(*integer);
  if (const auto* real = std::get_if<double>(&value_)) return *real;
  return parse_number<double>(std::get<Bytes>(value_));
}

std::int64_t FieldValue::as_integer() const { return to_integer().value_or(0); }

double FieldValue::as_real() const { return to_real().value_or(0.0); }

std::optional<FieldValue> convert_for_field(const FieldValue& value, FieldType type) {
  if (value.is_null()) return value;
  switch (type) {
    case FieldType::Text:
      return FieldValue(value.as_text());
    case FieldType::Integer:
      if (value.is_text() && is_blank_text(value.as_text())) return FieldValue();
      if (const auto n = value.to_integer()) return FieldValue(*n);
      return std::nullopt;
    case FieldType::Real:
      if (value.is_text() && is_blank_text(value.as_text())) return FieldValue();
      if (const auto x = value.to_real()) return FieldValue(*x);
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace quilm
