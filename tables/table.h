// The table store as the program sees it: one keyed record table bound to
// one table file, walked with a cursor and searched on an index, in the
// manner of the BDE's TTable that the program's windows were written against.
//
// What callers rely on:
//   - records come in index order (IndexName, or IndexFieldNames, or the
//     primary index when both are empty);
//   - FindKey matches whole key values exactly ("ab" does not find "abc");
//   - FindNearest finds the first record whose key is not before the values;
//   - a posted record is found by later searches at once.
//
// Key order: text compares as unsigned bytes, numbers numerically, blank
// fields come first (last in a descending index field); see key_order.h.
//
// Cursor: after Open the cursor is on the first record. Eof is true after
// Next at the last record (the cursor stays there), after Last, and in an
// empty table; Bof likewise at the first record. A move or search made while
// a record is being edited or inserted posts it first, as the BDE did; when
// that post fails nothing moves and the record stays in edit.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/field_value.h"
#include "tables/table_schema.h"
#include "common/status.h"

namespace quilm {

enum class TableState { Inactive, Browse, Edit, Insert };

class Table {
 public:
  virtual ~Table() = default;

  // --- binding and order --------------------------------------------------
  virtual const std::string& TableName() const = 0;
  // The table file. Fails while the table is open.
  virtual Status SetTableName(std::string path) = 0;

  virtual const std::string& IndexName() const = 0;
  // Selects a named index (empty: the primary index) and clears
  // IndexFieldNames. On an open table it fails on an unknown name; the cursor
  // stays on its record.
  virtual Status SetIndexName(std::string name) = 0;

  virtual const std::string& IndexFieldNames() const = 0;
  // Orders by the ';'-separated fields instead of an index and clears
  // IndexName; searches then compare those fields.
  virtual Status SetIndexFieldNames(std::string field_names) = 0;

  // --- open state ---------------------------------------------------------
  // Opens the table file. Never creates it: a missing, foreign or damaged file
  // gives an error naming the file and what is wrong. Opening an open table
  // does nothing.
  virtual Status Open() = 0;
  // Drops an unposted change and closes the file.
  virtual void Close() = 0;
  virtual bool Active() const = 0;
  virtual TableState State() const = 0;

  // --- cursor -------------------------------------------------------------
  virtual void First() = 0;
  virtual void Next() = 0;
  virtual void Prior() = 0;
  virtual void Last() = 0;
  // Moves n records forward (backward when negative), stopping at either end;
  // returns how many records it moved.
  virtual int MoveBy(int n) = 0;
  virtual bool Eof() const = 0;
  virtual bool Bof() const = 0;
  virtual long RecordCount() const = 0;
  virtual bool IsEmpty() const = 0;

  // --- searches on the current order's key fields --------------------------
  // One value per key field, in key order; fewer values compare the leading
  // fields only. Values are converted to the field's type first.
  // On the record whose key equals the values: true. Otherwise false, and the
  // cursor stays where it was.
  virtual bool FindKey(const std::vector<FieldValue>& values) = 0;
  // On the first record whose key is not before the values: true. When every
  // key is before them: false, the cursor on the last record and Eof set.
  virtual bool FindNearest(const std::vector<FieldValue>& values) = 0;

  // --- fields of the current record ---------------------------------------
  virtual const std::vector<FieldDef>& Fields() const = 0;
  // The field's definition; nullopt when the table has no such field.
  virtual std::optional<FieldDef> FindField(std::string_view name) const = 0;
  // The value in the current record (in the record being edited or inserted
  // while there is one); blank when there is no such field or no record.
  virtual FieldValue FieldByName(std::string_view name) const = 0;
  // Writes a field of the record being edited or inserted.
  virtual Status SetFieldByName(std::string_view name, const FieldValue& value) = 0;

  // --- changes ------------------------------------------------------------
  // Start a new, blank record. In a keyed table the two are the same: the
  // record takes its place by its key when posted.
  virtual Status Insert() = 0;
  virtual Status Append() = 0;
  // Starts changing the current record.
  virtual Status Edit() = 0;
  // Stores the record being edited or inserted, all or nothing, and leaves the
  // cursor on it. A second record with the same primary key is refused.
  virtual Status Post() = 0;
  // Drops the change; the cursor goes back to the record it was on.
  virtual void Cancel() = 0;
  // Removes the current record; the cursor goes to the next one (the
  // previous one when it was the last).
  virtual Status Delete() = 0;

  // Groups many posts into one transaction: each post alone waits for the
  // disk, which is slow when a whole analysis is written.
  virtual Status StartTransaction() = 0;
  virtual Status Commit() = 0;
  virtual void Rollback() = 0;

  // --- attached views -----------------------------------------------------
  // Called after the cursor moves or the records change, unless controls
  // are disabled.
  virtual void SetOnChange(std::function<void()> on_change) = 0;
  // Suspend and resume the calls, counted: each DisableControls needs its
  // EnableControls. The last EnableControls makes one call.
  virtual void DisableControls() = 0;
  virtual void EnableControls() = 0;
  virtual bool ControlsDisabled() const = 0;
};

}  // namespace quilm
