// The table store on SQLite: one table file is one SQLite database laid out
// as table_file_layout.h describes. Posts are single SQLite statements,
// atomic under SQLite's default rollback journal (the journal file exists
// only during a write, so a table stays one file); a crash leaves the old
// record or the new one.
#pragma once

#include <memory>

#include "tables/change_notifier.h"
#include "tables/key_order.h"
#include "tables/record_order.h"
#include "tables/sqlite_db.h"
#include "tables/table.h"

namespace quilm {

class SqliteTable final : public Table {
 public:
  SqliteTable() = default;
  explicit SqliteTable(std::string path) : table_name_(std::move(path)) {}
  ~SqliteTable() override;

  const std::string& TableName() const override { return table_name_; }
  Status SetTableName(std::string path) override;
  const std::string& IndexName() const override { return index_name_; }
  Status SetIndexName(std::string name) override;
  const std::string& IndexFieldNames() const override { return index_field_names_; }
  Status SetIndexFieldNames(std::string field_names) override;

  Status Open() override;
  void Close() override;
  bool Active() const override { return state_ != TableState::Inactive; }
  TableState State() const override { return state_; }

  void First() override;
  void Next() override;
  void Prior() override;
  void Last() override;
  int MoveBy(int n) override;
  bool Eof() const override { return eof_; }
  bool Bof() const override { return bof_; }
  long RecordCount() const override;
  bool IsEmpty() const override;

  bool FindKey(const std::vector<FieldValue>& values) override;
  bool FindNearest(const std::vector<FieldValue>& values) override;

  const std::vector<FieldDef>& Fields() const override { return schema_.fields; }
  std::optional<FieldDef> FindField(std::string_view name) const override;
  FieldValue FieldByName(std::string_view name) const override;
  Status SetFieldByName(std::string_view name, const FieldValue& value) override;

  Status Insert() override;
  Status Append() override { return Insert(); }
  Status Edit() override;
  Status Post() override;
  void Cancel() override;
  Status Delete() override;

  Status StartTransaction() override;
  Status Commit() override;
  void Rollback() override;

  void SetOnChange(std::function<void()> on_change) override { notifier_.set_listener(std::move(on_change)); }
  void DisableControls() override { notifier_.disable(); }
  void EnableControls() override { notifier_.enable(); }
  bool ControlsDisabled() const override { return notifier_.disabled(); }

  // The schema read from the file; empty while closed.
  const TableSchema& Schema() const { return schema_; }

 private:
  Status error(const std::string& what) const;
  Status open_error(const std::string& why) const;
  Status open_file();
  Status choose_order(const std::string& index_name, const std::string& field_names, KeyOrder* order) const;
  void apply_order(KeyOrder order);

  bool settle_pending_change();
  void show_record(std::int64_t record_id, std::optional<std::size_t> position);
  void show_position(const std::vector<std::int64_t>& ids, std::size_t position);
  void show_nothing();
  std::optional<std::size_t> position_in(const std::vector<std::int64_t>& ids);

  std::optional<std::vector<FieldValue>> key_values(const std::vector<FieldValue>& values) const;
  std::optional<std::int64_t> first_record_where(const std::string& condition,
                                                 const std::vector<FieldValue>& values) const;
  std::optional<std::int64_t> first_record_id() const;
  Status insert_buffer(std::int64_t* record_id);
  Status update_buffer();

  std::string table_name_;
  std::string index_name_;
  std::string index_field_names_;

  sqlite::Connection db_;
  std::unique_ptr<sqlite::Statement> select_record_;
  std::unique_ptr<sqlite::Statement> insert_record_;  // prepared once: a table is filled row by row
  TableSchema schema_;
  KeyOrder order_;
  RecordOrder record_order_;
  TableState state_ = TableState::Inactive;

  std::optional<std::int64_t> record_id_;  // the current record
  std::optional<std::size_t> position_;    // its place in record_order_, when known
  std::vector<FieldValue> values_;         // its fields
  std::vector<FieldValue> buffer_;         // the record being edited or inserted
  bool eof_ = true;
  bool bof_ = true;

  ChangeNotifier notifier_;
};

}  // namespace quilm
