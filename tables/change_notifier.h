// The "refresh attached grids" signal of a table, with the BDE's counted
// DisableControls/EnableControls around it: while disabled no call is made;
// the last EnableControls makes one call so that a view catches up at once.
#pragma once

#include <functional>
#include <utility>

namespace quilm {

class ChangeNotifier {
 public:
  void set_listener(std::function<void()> listener) { listener_ = std::move(listener); }

  void notify() const {
    if (disabled_ == 0 && listener_) listener_();
  }

  void disable() { ++disabled_; }
  void enable() {
    if (disabled_ == 0) return;
    if (--disabled_ == 0) notify();
  }
  bool disabled() const { return disabled_ > 0; }

 private:
  std::function<void()> listener_;
  int disabled_ = 0;
};

}  // namespace quilm
