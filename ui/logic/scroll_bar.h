#pragma once
// The scroll bars of the chart, as the chart logic sees them. The range is 0 .. Max. Setting the
// maximum or the position moves the position into that range and raises the change handler
// whenever, and only when, the position actually changes, whether the user or the program moved
// it (QScrollBar behaves so; the window adapts it to this interface).
#include <functional>
#include <utility>

class ScrollBar {
 public:
  virtual ~ScrollBar() = default;
  virtual int Max() const = 0;
  virtual void SetMax(int max) = 0;
  virtual int Position() const = 0;
  virtual void SetPosition(int position) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// A plain scroll bar with exactly that behaviour, for tests and benchmarks. OnChange runs after
// the new position is stored, so a handler reads the new value.
class ScrollBarModel : public ScrollBar {
 public:
  explicit ScrollBarModel(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}

  int Max() const override { return max_; }
  void SetMax(int max) override;  // a negative maximum is taken as 0
  int Position() const override { return position_; }
  void SetPosition(int position) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }

  std::function<void()> OnChange;

 private:
  void MoveTo(int position);

  int max_ = 0;
  int position_ = 0;
  bool visible_ = false;
};
