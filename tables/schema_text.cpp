// Reading and writing the text form of table schemas.
#include "tables/schema_text.h"

#include <optional>

namespace quilm {
namespace {

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Splits off the first blank-separated word of `rest`.
std::string_view next_word(std::string_view& rest) {
  rest = trim(rest);
  std::size_t end = 0;
  while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t') ++end;
  const std::string_view word = rest.substr(0, end);
  rest = trim(rest.substr(end));
  return word;
}

std::string_view without_comment(std::string_view line) {
  const auto hash = line.find('#');
  return hash == std::string_view::npos ? line : line.substr(0, hash);
}

std::optional<FieldType> field_type_named(std::string_view word) {
  for (const FieldType type : {FieldType::Text, FieldType::Integer, FieldType::Real})
    if (names_equal(word, field_type_name(type))) return type;
  return std::nullopt;
}

Status parse_field_line(std::string_view rest, TableSchema* schema) {
  const std::string_view name = next_word(rest);
  const std::string_view type_word = next_word(rest);
  if (name.empty() || type_word.empty() || !rest.empty())
    return Status::Error("expected \"field NAME TYPE\"");
  const auto type = field_type_named(type_word);
  if (!type) return Status::Error("unknown field type \"" + std::string(type_word) + "\" (text, integer or real)");
  schema->fields.push_back({std::string(name), *type});
  return Status::Ok();
}

Status parse_primary_line(std::string_view rest, TableSchema* schema) {
  if (!schema->primary_key.empty()) return Status::Error("a second primary key");
  std::vector<IndexField> fields;
  if (Status parsed = parse_index_fields(rest, &fields); !parsed) return parsed;
  for (const auto& field : fields) {
    if (field.descending) return Status::Error("the primary key is always ascending");
    schema->primary_key.push_back(field.name);
  }
  return Status::Ok();
}

Status parse_index_line(std::string_view rest, TableSchema* schema) {
  IndexDef index;
  index.name = std::string(next_word(rest));
  if (index.name.empty() || rest.empty()) return Status::Error("expected \"index NAME FIELDS\"");
  if (Status parsed = parse_index_fields(rest, &index.fields); !parsed) return parsed;
  schema->indexes.push_back(std::move(index));
  return Status::Ok();
}

Status parse_line(std::string_view line, TableSchema* schema) {
  std::string_view rest = line;
  const std::string_view keyword = next_word(rest);
  if (keyword == "field") return parse_field_line(rest, schema);
  if (keyword == "primary") return parse_primary_line(rest, schema);
  if (keyword == "index") return parse_index_line(rest, schema);
  return Status::Error("unknown statement \"" + std::string(keyword) + "\" (field, primary or index)");
}

}  // namespace

Status parse_index_fields(std::string_view text, std::vector<IndexField>* fields) {
  fields->clear();
  std::string_view rest = text;
  while (true) {
    const auto semicolon = rest.find(';');
    std::string_view item = rest.substr(0, semicolon);
    IndexField field;
    field.name = std::string(next_word(item));
    const std::string_view direction = next_word(item);
    if (field.name.empty()) return Status::Error("an empty name in the field list \"" + std::string(text) + "\"");
    if (names_equal(direction, "desc")) {
      field.descending = true;
    } else if (!direction.empty() && !names_equal(direction, "asc")) {
      return Status::Error("\"" + std::string(direction) + "\" after field \"" + field.name + "\" (asc or desc)");
    }
    if (!item.empty()) return Status::Error("unexpected \"" + std::string(item) + "\" in the field list");
    fields->push_back(std::move(field));
    if (semicolon == std::string_view::npos) return Status::Ok();
    rest = rest.substr(semicolon + 1);
  }
}

std::string format_index_fields(const std::vector<IndexField>& fields) {
  std::string text;
  for (const auto& field : fields) {
    if (!text.empty()) text += ';';
    text += field.name;
    if (field.descending) text += " desc";
  }
  return text;
}

Status parse_table_schema(std::string_view text, TableSchema* schema) {
  *schema = TableSchema();
  int line_number = 0;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    const std::string_view line = trim(without_comment(text.substr(0, newline)));
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    ++line_number;
    if (line.empty()) continue;
    if (Status parsed = parse_line(line, schema); !parsed)
      return Status::Error("line " + std::to_string(line_number) + ": " + parsed.message());
  }
  return validate_table_schema(*schema);
}

std::string format_table_schema(const TableSchema& schema) {
  std::string text;
  for (const auto& field : schema.fields)
    text += "field " + field.name + " " + field_type_name(field.type) + "\n";
  if (!schema.primary_key.empty()) {
    std::string key;
    for (const auto& name : schema.primary_key) key += (key.empty() ? "" : ";") + name;
    text += "primary " + key + "\n";
  }
  for (const auto& index : schema.indexes)
    text += "index " + index.name + " " + format_index_fields(index.fields) + "\n";
  return text;
}

}  // namespace quilm
