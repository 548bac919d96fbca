// SqliteTable: the fields of the current record, the record being edited or
// inserted, posting, deleting and transactions.
#include "tables/sqlite_table.h"

#include <algorithm>

#include "tables/table_file_layout.h"

namespace quilm {
namespace {

using sqlite::quote_name;
using sqlite::Statement;

std::string assignment_list(const TableSchema& schema) {
  std::string list;
  for (std::size_t i = 0; i < schema.fields.size(); ++i)
    list += (i == 0 ? "" : ", ") + quote_name(schema.fields[i].name) + " = ?" + std::to_string(i + 1);
  return list;
}

}  // namespace

// --- fields -------------------------------------------------------------------

std::optional<FieldDef> SqliteTable::FindField(std::string_view name) const {
  const int field = field_position(schema_, name);
  if (field < 0) return std::nullopt;
  return schema_.fields[field];
}

FieldValue SqliteTable::FieldByName(std::string_view name) const {
  const int field = field_position(schema_, name);
  if (field < 0) return FieldValue();
  const bool editing = state_ == TableState::Edit || state_ == TableState::Insert;
  return editing ? buffer_[field] : values_[field];
}

Status SqliteTable::SetFieldByName(std::string_view name, const FieldValue& value) {
  if (state_ != TableState::Edit && state_ != TableState::Insert)
    return error("no record is being edited (Edit or Insert comes first)");
  const int field = field_position(schema_, name);
  if (field < 0) return error("the table has no field \"" + std::string(name) + "\"");
  const FieldDef& def = schema_.fields[field];
  const auto converted = convert_for_field(value, def.type);
  if (!converted)
    return error("\"" + value.as_text() + "\" is not a valid " + field_type_name(def.type) + " for field \"" +
                 def.name + "\"");
  buffer_[field] = *converted;
  return Status::Ok();
}

// --- changes ------------------------------------------------------------------

Status SqliteTable::Insert() {
  if (!Active()) return error("the table is not open");
  if (!settle_pending_change()) return error("the record being edited could not be posted");
  buffer_.assign(schema_.fields.size(), FieldValue());
  state_ = TableState::Insert;
  return Status::Ok();
}

// As with the BDE, editing an empty table starts a new record.
Status SqliteTable::Edit() {
  if (!Active()) return error("the table is not open");
  if (state_ != TableState::Browse) return Status::Ok();
  if (!record_id_) return Insert();
  buffer_ = values_;
  state_ = TableState::Edit;
  return Status::Ok();
}

Status SqliteTable::insert_buffer(std::int64_t* record_id) {
  Statement& insert = *insert_record_;
  insert.bind_all(buffer_);
  const int code = insert.ok() ? insert.step() : insert.error_code();
  std::optional<Status> failed;
  if ((code & 0xFF) == SQLITE_CONSTRAINT) failed = error("key violation: a record with this key already exists");
  else if (code != SQLITE_DONE) failed = error("the record cannot be posted: " + describe_sqlite_error(db_.get(), code));
  insert.reset();  // before anything else reads the table
  if (failed) return *failed;
  *record_id = sqlite3_last_insert_rowid(db_.get());
  return Status::Ok();
}

Status SqliteTable::update_buffer() {
  Statement update(db_.get(), "UPDATE records SET " + assignment_list(schema_) + " WHERE record_id = ?" +
                                  std::to_string(schema_.fields.size() + 1));
  update.bind_all(buffer_);
  update.bind_integer(static_cast<int>(schema_.fields.size() + 1), *record_id_);
  const int code = update.ok() ? update.step() : update.error_code();
  if (code == SQLITE_DONE) return Status::Ok();
  if ((code & 0xFF) == SQLITE_CONSTRAINT) return error("key violation: a record with this key already exists");
  return error("the record cannot be posted: " + describe_sqlite_error(db_.get(), code));
}

// One INSERT or UPDATE statement, which SQLite applies whole or not at all.
Status SqliteTable::Post() {
  if (!Active()) return error("the table is not open");
  if (state_ == TableState::Browse) return Status::Ok();
  std::int64_t id = record_id_.value_or(0);
  const Status stored = state_ == TableState::Insert ? insert_buffer(&id) : update_buffer();
  if (!stored) return stored;
  state_ = TableState::Browse;
  buffer_.clear();
  record_order_.invalidate();
  show_record(id, std::nullopt);
  eof_ = bof_ = false;
  notifier_.notify();
  return Status::Ok();
}

void SqliteTable::Cancel() {
  if (state_ != TableState::Edit && state_ != TableState::Insert) return;
  state_ = TableState::Browse;
  buffer_.clear();
  notifier_.notify();
}

Status SqliteTable::Delete() {
  if (!Active()) return error("the table is not open");
  if (state_ == TableState::Insert) {
    Cancel();
    return Status::Ok();
  }
  Cancel();
  const auto position = position_in(record_order_.ids());
  if (!position) return error("there is no record to delete");
  Statement remove(db_.get(), "DELETE FROM records WHERE record_id = ?1");
  remove.bind_integer(1, *record_id_);
  const int code = remove.ok() ? remove.step() : remove.error_code();
  if (code != SQLITE_DONE) return error("the record cannot be deleted: " + describe_sqlite_error(db_.get(), code));
  record_order_.erase_at(*position);
  const auto& ids = record_order_.ids();
  if (ids.empty()) {
    show_nothing();
  } else {
    show_position(ids, std::min(*position, ids.size() - 1));
    eof_ = bof_ = false;
  }
  notifier_.notify();
  return Status::Ok();
}

// --- transactions -------------------------------------------------------------

Status SqliteTable::StartTransaction() {
  if (!Active()) return error("the table is not open");
  if (Status begun = sqlite::exec(db_.get(), "BEGIN IMMEDIATE"); !begun) return error(begun.message());
  return Status::Ok();
}

Status SqliteTable::Commit() {
  if (!Active()) return error("the table is not open");
  if (Status committed = sqlite::exec(db_.get(), "COMMIT"); !committed) return error(committed.message());
  return Status::Ok();
}

void SqliteTable::Rollback() {
  if (!Active()) return;
  Cancel();
  sqlite::exec(db_.get(), "ROLLBACK");
  record_order_.invalidate();
  if (position_in(record_order_.ids())) {
    show_record(*record_id_, position_);
    notifier_.notify();
  } else {
    First();
  }
}

}  // namespace quilm
