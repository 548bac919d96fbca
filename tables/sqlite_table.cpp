// SqliteTable: opening, order, cursor moves and searches over one SQLite
// table file. The record being edited and its posting are in
// sqlite_table_changes.cpp.
#include "tables/sqlite_table.h"

#include <algorithm>

#include "tables/table_file_check.h"
#include "tables/table_file_layout.h"

namespace quilm {

using sqlite::Statement;

namespace {

std::string parameter_list(std::size_t n) {
  std::string list;
  for (std::size_t i = 1; i <= n; ++i) list += (i == 1 ? "?" : ", ?") + std::to_string(i);
  return list;
}

}  // namespace

SqliteTable::~SqliteTable() {
  notifier_.set_listener(nullptr);  // the owner's view may already be gone
  Close();
}

Status SqliteTable::error(const std::string& what) const {
  return Status::Error("Table file \"" + table_name_ + "\": " + what);
}

Status SqliteTable::open_error(const std::string& why) const {
  return Status::Error("Table file \"" + table_name_ + "\" cannot be opened: " + why);
}

// --- binding and order ------------------------------------------------------

Status SqliteTable::SetTableName(std::string path) {
  if (Active()) return error("the file of an open table cannot be changed");
  table_name_ = std::move(path);
  return Status::Ok();
}

Status SqliteTable::SetIndexName(std::string name) {
  if (Active()) {
    KeyOrder order;
    if (Status chosen = choose_order(name, "", &order); !chosen) return error(chosen.message());
    if (!settle_pending_change()) return error("the record being edited could not be posted");
    apply_order(std::move(order));
  }
  index_name_ = std::move(name);
  index_field_names_.clear();
  return Status::Ok();
}

Status SqliteTable::SetIndexFieldNames(std::string field_names) {
  if (Active()) {
    KeyOrder order;
    if (Status chosen = choose_order("", field_names, &order); !chosen) return error(chosen.message());
    if (!settle_pending_change()) return error("the record being edited could not be posted");
    apply_order(std::move(order));
  }
  index_field_names_ = std::move(field_names);
  index_name_.clear();
  return Status::Ok();
}

Status SqliteTable::choose_order(const std::string& index_name, const std::string& field_names,
                                 KeyOrder* order) const {
  if (!field_names.empty()) return field_order(schema_, field_names, order);
  if (index_name.empty()) {
    *order = primary_order(schema_);
    return Status::Ok();
  }
  const IndexDef* index = find_index(schema_, index_name);
  if (index == nullptr) return Status::Error("the table has no index \"" + index_name + "\"");
  *order = index_order(schema_, *index);
  return Status::Ok();
}

// The cursor stays on its record; its position in the new order is found
// when a move needs it.
void SqliteTable::apply_order(KeyOrder order) {
  order_ = std::move(order);
  record_order_.reset(db_.get(), order_.order_by);
  position_.reset();
  notifier_.notify();
}

// --- open state ---------------------------------------------------------------

Status SqliteTable::Open() {
  if (Active()) return Status::Ok();
  if (Status header = check_table_file_header(table_name_); !header) return open_error(header.message());
  KeyOrder order;
  Status opened = open_file();
  if (opened) opened = choose_order(index_name_, index_field_names_, &order);
  if (!opened) {
    db_.reset();
    schema_ = TableSchema();
    return open_error(opened.message());
  }
  select_record_ = std::make_unique<Statement>(
      db_.get(), "SELECT " + field_list_sql(schema_) + " FROM records WHERE record_id = ?1");
  insert_record_ = std::make_unique<Statement>(db_.get(), "INSERT INTO records (" + field_list_sql(schema_) +
                                                              ") VALUES (" + parameter_list(schema_.fields.size()) +
                                                              ")");
  state_ = TableState::Browse;
  apply_order(std::move(order));
  First();
  return Status::Ok();
}

// Opened for writing without SQLITE_OPEN_CREATE, so a missing file is never
// made; SQLite opens a write-protected file for reading only.
Status SqliteTable::open_file() {
  sqlite3* raw = nullptr;
  const int code = sqlite3_open_v2(table_name_.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  db_.reset(raw);
  if (code != SQLITE_OK) return Status::Error(describe_sqlite_error(raw, code));
  sqlite3_busy_timeout(raw, 2000);
  // A file cut short usually fails some SQLite read first; the length
  // check then gives the plainer reason. It runs after SQLite's first read,
  // which rolls back an interrupted write and may change the length.
  const Status layout = read_table_layout(raw, &schema_);
  if (Status length = check_table_file_length(table_name_); !length) return length;
  return layout;
}

// An open transaction is rolled back by SQLite when the connection closes.
void SqliteTable::Close() {
  if (!Active()) return;
  select_record_.reset();
  insert_record_.reset();
  record_order_.reset(nullptr, "");
  db_.reset();
  state_ = TableState::Inactive;
  buffer_.clear();
  show_nothing();
  schema_ = TableSchema();
  order_ = KeyOrder();
  notifier_.notify();
}

// --- cursor -------------------------------------------------------------------

bool SqliteTable::settle_pending_change() {
  return state_ == TableState::Browse || Post().ok();
}

void SqliteTable::show_record(std::int64_t record_id, std::optional<std::size_t> position) {
  record_id_ = record_id;
  position_ = position;
  values_.assign(schema_.fields.size(), FieldValue());
  select_record_->reset();
  select_record_->bind_integer(1, record_id);
  if (select_record_->step() == SQLITE_ROW)
    for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = select_record_->column_value(static_cast<int>(i));
  // A statement left on a row keeps its read lock, which would hold off
  // the writes of every other connection to the file.
  select_record_->reset();
}

void SqliteTable::show_position(const std::vector<std::int64_t>& ids, std::size_t position) {
  show_record(ids[position], position);
}

void SqliteTable::show_nothing() {
  record_id_.reset();
  position_.reset();
  values_.assign(schema_.fields.size(), FieldValue());
  eof_ = bof_ = true;
}

// The place of the current record in `ids`, the order's list; a remembered
// place is trusted only while the list still holds the record there.
std::optional<std::size_t> SqliteTable::position_in(const std::vector<std::int64_t>& ids) {
  if (!record_id_) return std::nullopt;
  if (position_ && *position_ < ids.size() && ids[*position_] == *record_id_) return position_;
  const auto found = std::find(ids.begin(), ids.end(), *record_id_);
  position_.reset();
  if (found != ids.end()) position_ = static_cast<std::size_t>(found - ids.begin());
  return position_;
}

std::optional<std::int64_t> SqliteTable::first_record_where(const std::string& condition,
                                                            const std::vector<FieldValue>& values) const {
  Statement select(db_.get(), "SELECT record_id FROM records WHERE " + condition + " " + order_.order_by + " LIMIT 1");
  if (!select.ok()) return std::nullopt;
  select.bind_all(values);
  if (select.step() != SQLITE_ROW) return std::nullopt;
  return select.column_integer(0);
}

std::optional<std::int64_t> SqliteTable::first_record_id() const { return first_record_where("1", {}); }

void SqliteTable::First() {
  if (!Active() || !settle_pending_change()) return;
  if (const auto id = first_record_id()) {
    show_record(*id, 0);
    bof_ = true;
    eof_ = false;
  } else {
    show_nothing();
  }
  notifier_.notify();
}

void SqliteTable::Last() {
  if (!Active() || !settle_pending_change()) return;
  const auto& ids = record_order_.ids();
  if (ids.empty()) {
    show_nothing();
  } else {
    show_position(ids, ids.size() - 1);
    eof_ = true;
    bof_ = false;
  }
  notifier_.notify();
}

void SqliteTable::Next() { MoveBy(1); }

void SqliteTable::Prior() { MoveBy(-1); }

int SqliteTable::MoveBy(int n) {
  if (!Active() || !settle_pending_change()) return 0;
  const auto& ids = record_order_.ids();
  const auto from = position_in(ids);
  if (!from) {  // no record, or it was deleted by another connection
    First();
    return 0;
  }
  const long last = static_cast<long>(ids.size()) - 1;
  long to = static_cast<long>(*from) + n;
  if (n > 0) {
    eof_ = to > last;
    bof_ = false;
  } else if (n < 0) {
    bof_ = to < 0;
    eof_ = false;
  }
  to = std::clamp(to, 0L, last);
  if (to != static_cast<long>(*from)) show_position(ids, static_cast<std::size_t>(to));
  notifier_.notify();
  return static_cast<int>(to - static_cast<long>(*from));
}

long SqliteTable::RecordCount() const {
  if (!Active()) return 0;
  Statement count(db_.get(), "SELECT count(*) FROM records");
  return count.ok() && count.step() == SQLITE_ROW ? static_cast<long>(count.column_integer(0)) : 0;
}

bool SqliteTable::IsEmpty() const {
  if (!Active()) return true;
  return !first_record_id().has_value();
}

// --- searches -----------------------------------------------------------------

std::optional<std::vector<FieldValue>> SqliteTable::key_values(const std::vector<FieldValue>& values) const {
  if (values.empty() || values.size() > order_.key.size()) return std::nullopt;
  std::vector<FieldValue> converted;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int field = field_position(schema_, order_.key[i].name);
    const auto value = convert_for_field(values[i], schema_.fields[field].type);
    if (!value) return std::nullopt;
    converted.push_back(*value);
  }
  return converted;
}

bool SqliteTable::FindKey(const std::vector<FieldValue>& values) {
  if (!Active() || !settle_pending_change()) return false;
  const auto key = key_values(values);
  if (!key) return false;
  const auto id = first_record_where(key_equals_sql(order_.key, key->size()), *key);
  if (!id) return false;
  show_record(*id, std::nullopt);
  eof_ = bof_ = false;
  notifier_.notify();
  return true;
}

bool SqliteTable::FindNearest(const std::vector<FieldValue>& values) {
  if (!Active() || !settle_pending_change()) return false;
  const auto key = key_values(values);
  if (!key) return false;
  std::optional<std::int64_t> id;
  for (const std::string& condition : key_not_before_sql(order_.key, *key))
    if ((id = first_record_where(condition, *key))) break;
  if (!id) {
    Last();
    return false;
  }
  show_record(*id, std::nullopt);
  eof_ = bof_ = false;
  notifier_.notify();
  return true;
}

}  // namespace quilm
