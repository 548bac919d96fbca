// The value of one field of one record, as the table store hands it out and
// takes it in: nothing (a blank field), a byte string, an integer or a real.
// Readers convert it to what they need, the way a BDE variant was read with
// AsString or AsInteger; a text field holds bytes (pivot or legacy-font
// glyph codes), never assumed to be UTF-8.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <variant>

#include "common/bytes.h"

namespace quilm {

enum class FieldType { Text, Integer, Real };

class FieldValue {
 public:
  FieldValue() = default;  // blank
  FieldValue(Bytes text) : value_(std::move(text)) {}
  FieldValue(const char* text) : value_(Bytes(text)) {}
  // Any integer type but bool and char (a char is a byte of text, not a count).
  template <std::integral Number>
    requires(!std::same_as<Number, bool> && !std::same_as<Number, char>)
  FieldValue(Number number) : value_(static_cast<std::int64_t>(number)) {}
  FieldValue(double number) : value_(number) {}

  bool is_null() const { return std::holds_alternative<std::monostate>(value_); }
  bool is_text() const { return std::holds_alternative<Bytes>(value_); }
  bool is_integer() const { return std::holds_alternative<std::int64_t>(value_); }
  bool is_real() const { return std::holds_alternative<double>(value_); }

  // Blank gives "", numbers their shortest decimal form ("42", "0.25").
  Bytes as_text() const;
  // Blank gives 0; text is read as a decimal number (0 when it is not one);
  // a real is rounded to the nearest integer.
  std::int64_t as_integer() const;
  double as_real() const;

  // As as_integer and as_real, but nullopt when text does not hold a number.
  std::optional<std::int64_t> to_integer() const;
  std::optional<double> to_real() const;

  bool operator==(const FieldValue&) const = default;

 private:
  std::variant<std::monostate, Bytes, std::int64_t, double> value_;
};

// The value as a field of `type` stores it: text fields take any value as
// text; number fields take numbers and decimal text, and blank text becomes
// blank. nullopt when the value cannot be stored in such a field ("abc" in
// an integer field).
std::optional<FieldValue> convert_for_field(const FieldValue& value, FieldType type);

}  // namespace quilm
