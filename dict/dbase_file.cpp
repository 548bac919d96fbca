#include "dict/dbase_file.h"

#include <cmath>
#include <cstdint>
#include <set>

#include "tables/table_schema.h"

namespace quilm {
namespace {

constexpr std::size_t kHeaderSize = 32, kDescriptorSize = 32;
constexpr char kFieldListEnd = 0x0D;
constexpr std::size_t kDbase3MemoBlock = 512;

std::uint32_t little_endian(BytesView b, std::size_t at, std::size_t bytes) {
  std::uint32_t v = 0;
  for (std::size_t i = bytes; i-- > 0;) v = (v << 8) | byte_at(b, at + i);
  return v;
}

std::string byte_text(std::uint8_t b) {
  static const char* digits = "0123456789ABCDEF";
  return std::string("0x") + digits[b >> 4] + digits[b & 15];
}

struct Header {
  std::uint8_t version = 0;
  std::size_t records = 0, header_length = 0, record_length = 0;
};

Status read_header(BytesView dbf, Header* h) {
  if (dbf.size() < kHeaderSize + 1) return Status::Error("the file is too short to be a dBase table");
  h->version = byte_at(dbf, 0);
  if (h->version != 0x03 && h->version != 0x83 && h->version != 0x8B)
    return Status::Error("not a dBase III or IV table (its first byte is " + byte_text(h->version) + ")");
  if (byte_at(dbf, 15) != 0) return Status::Error("the table is encrypted");
  h->records = little_endian(dbf, 4, 4);
  h->header_length = little_endian(dbf, 8, 2);
  h->record_length = little_endian(dbf, 10, 2);
  if (h->header_length > dbf.size())
    return Status::Error("the header says it is " + std::to_string(h->header_length) + " bytes long, but the file has " +
                         std::to_string(dbf.size()));
  return Status::Ok();
}

Status read_descriptor(BytesView d, std::set<std::string>& names, DbaseField* f) {
  const BytesView raw_name = d.substr(0, 11);
  f->name = Bytes(raw_name.substr(0, raw_name.find('\0')));
  f->type = d[11];
  f->length = byte_at(d, 16);
  f->decimals = byte_at(d, 17);
  if (!is_valid_name(f->name)) return Status::Error("a field has the name \"" + f->name + "\", which is no field name");
  std::string folded;
  for (char c : f->name) folded += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  if (!names.insert(folded).second) return Status::Error("the field " + f->name + " is named twice");
  if (std::string("CNFLDM").find(f->type) == std::string::npos || f->type == '\0')
    return Status::Error("the field " + f->name + " has the type " + byte_text(static_cast<std::uint8_t>(f->type)) +
                         ", which dBase III and IV do not have");
  if (f->length == 0) return Status::Error("the field " + f->name + " is 0 bytes long");
  if (f->type == 'M' && f->length != 10) return Status::Error("the memo field " + f->name + " is not 10 bytes long");
  return Status::Ok();
}

Status read_fields(BytesView dbf, const Header& h, std::vector<DbaseField>* fields) {
  std::set<std::string> names;
  std::size_t at = kHeaderSize;
  std::size_t total = 1;  // the deletion flag
  while (true) {
    if (at >= h.header_length) return Status::Error("the list of fields does not end within the header");
    if (dbf[at] == kFieldListEnd) break;
    if (at + kDescriptorSize > h.header_length) return Status::Error("the list of fields does not end within the header");
    DbaseField f;
    if (Status s = read_descriptor(dbf.substr(at, kDescriptorSize), names, &f); !s) return s;
    total += static_cast<std::size_t>(f.length);
    fields->push_back(std::move(f));
    at += kDescriptorSize;
  }
  if (fields->empty()) return Status::Error("the table has no fields");
  if (total != h.record_length)
    return Status::Error("the header says a record is " + std::to_string(h.record_length) + " bytes, but its fields make " +
                         std::to_string(total));
  const std::size_t room = (dbf.size() - h.header_length) / h.record_length;
  if (h.records > room)
    return Status::Error("the file is cut short: the header promises " + std::to_string(h.records) +
                         " records, the file holds " + std::to_string(room));
  return Status::Ok();
}

BytesView trimmed_right(BytesView v) {
  while (!v.empty() && (v.back() == ' ' || v.back() == '\0')) v.remove_suffix(1);
  return v;
}

BytesView trimmed(BytesView v) {
  v = trimmed_right(v);
  while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
  return v;
}

class MemoFile {
 public:
  MemoFile(const std::optional<Bytes>& memo, bool dbase4) : memo_(memo), dbase4_(dbase4) {
    if (memo_ && dbase4_ && memo_->size() >= 22) block_ = little_endian(*memo_, 20, 2);
    if (block_ == 0) block_ = kDbase3MemoBlock;
  }

  Status text(std::size_t block, Bytes* out) const {
    if (!memo_) return Status::Error("the table has memo fields but no memo file (.dbt)");
    const BytesView m(*memo_);
    if (block == 0 || block > m.size() / block_)
      return Status::Error("a memo block number (" + std::to_string(block) + ") lies outside the memo file");
    const std::size_t at = block * block_;
    if (dbase4_) {
      if (at + 8 > m.size() || little_endian(m, at, 4) != 0x0008FFFF)
        return Status::Error("memo block " + std::to_string(block) + " does not start a memo");
      const std::size_t length = little_endian(m, at + 4, 4);
      if (length < 8 || at + length > m.size())
        return Status::Error("the memo in block " + std::to_string(block) + " runs past the end of the memo file");
      *out = Bytes(m.substr(at + 8, length - 8));
      return Status::Ok();
    }
    const std::size_t end = m.find('\x1A', at);
    if (end == BytesView::npos)
      return Status::Error("the memo in block " + std::to_string(block) + " runs past the end of the memo file");
    *out = Bytes(m.substr(at, end - at));
    return Status::Ok();
  }

 private:
  const std::optional<Bytes>& memo_;
  bool dbase4_;
  std::size_t block_ = 0;
};

std::optional<FieldValue> number_value(BytesView text, const DbaseField& f) {
  const BytesView t = trimmed(text);
  if (t.empty() || t.find_first_not_of('.') == BytesView::npos) return FieldValue();
  const FieldValue as_text{Bytes(t)};
  if (f.type == 'N' && f.decimals == 0) {
    if (std::optional<std::int64_t> n = as_text.to_integer()) return FieldValue(*n);
    return std::nullopt;
  }
  if (std::optional<double> r = as_text.to_real(); r && std::isfinite(*r)) return FieldValue(*r);
  return std::nullopt;
}

Status field_value(BytesView raw, const DbaseField& f, const MemoFile& memo, FieldValue* out) {
  switch (f.type) {
    case 'C': {
      const BytesView t = trimmed_right(raw);
      *out = t.empty() ? FieldValue() : FieldValue(Bytes(t));
      return Status::Ok();
    }
    case 'N':
    case 'F': {
      std::optional<FieldValue> v = number_value(raw, f);
      if (!v) return Status::Error("the field " + f.name + " holds \"" + Bytes(trimmed(raw)) + "\", which is no number");
      *out = std::move(*v);
      return Status::Ok();
    }
    case 'L': {
      const char c = raw.empty() ? ' ' : raw[0];
      *out = (c == ' ' || c == '?') ? FieldValue() : FieldValue(Bytes(1, c));
      return Status::Ok();
    }
    case 'D': {
      const BytesView t = trimmed(raw);
      *out = t.empty() ? FieldValue() : FieldValue(Bytes(t));
      return Status::Ok();
    }
    default: {  // 'M'
      const BytesView t = trimmed(raw);
      if (t.empty()) {
        *out = FieldValue();
        return Status::Ok();
      }
      const std::optional<std::int64_t> block = FieldValue(Bytes(t)).to_integer();
      if (!block || *block < 0) return Status::Error("the memo field " + f.name + " holds no block number");
      Bytes text;
      if (Status s = memo.text(static_cast<std::size_t>(*block), &text); !s) return s;
      *out = text.empty() ? FieldValue() : FieldValue(std::move(text));
      return Status::Ok();
    }
  }
}

Status read_records(BytesView dbf, const Header& h, const MemoFile& memo, DbaseTable* table) {
  for (std::size_t r = 0; r < h.records; ++r) {
    const BytesView record = dbf.substr(h.header_length + r * h.record_length, h.record_length);
    const char flag = record[0];
    const std::string where = "record " + std::to_string(r + 1) + ": ";
    if (flag == '*') {
      ++table->deleted;
      continue;
    }
    if (flag != ' ') return Status::Error(where + "no record starts here (its first byte is " +
                                          byte_text(static_cast<std::uint8_t>(flag)) + ")");
    std::vector<FieldValue> values;
    std::size_t at = 1;
    for (const DbaseField& f : table->fields) {
      FieldValue v;
      if (Status s = field_value(record.substr(at, static_cast<std::size_t>(f.length)), f, memo, &v); !s)
        return Status::Error(where + s.message());
      values.push_back(std::move(v));
      at += static_cast<std::size_t>(f.length);
    }
    table->records.push_back(std::move(values));
  }
  return Status::Ok();
}

}  // namespace

FieldType field_type_of(const DbaseField& field) {
  if (field.type == 'N') return field.decimals == 0 ? FieldType::Integer : FieldType::Real;
  if (field.type == 'F') return FieldType::Real;
  return FieldType::Text;
}

Status read_dbase_table(BytesView dbf, const std::optional<Bytes>& memo, DbaseTable* table) {
  *table = DbaseTable{};
  Header h;
  if (Status s = read_header(dbf, &h); !s) return s;
  if (Status s = read_fields(dbf, h, &table->fields); !s) return s;
  const MemoFile memo_file(memo, h.version == 0x8B);
  return read_records(dbf, h, memo_file, table);
}

}  // namespace quilm
