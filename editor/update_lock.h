// Window updates of an editor held back for the life of a scope (a long
// edit repaints once, at the end) and given back as they were however the
// scope ends: a normal end, an early return or an exception.
#pragma once

#include "editor/editor.h"

namespace quilm {

class UpdateLock {
 public:
  explicit UpdateLock(Editor& editor) : editor_(editor), was_locked_(editor.LockWindowUpdate()) {
    editor_.SetLockWindowUpdate(true);
  }
  ~UpdateLock() { editor_.SetLockWindowUpdate(was_locked_); }
  UpdateLock(const UpdateLock&) = delete;
  UpdateLock& operator=(const UpdateLock&) = delete;

 private:
  Editor& editor_;
  bool was_locked_;
};

}  // namespace quilm
