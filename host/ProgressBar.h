// Progress bars. When standard error is a terminal, a bar is drawn there and
// redrawn only when the percentage it shows changes; otherwise progress is
// silent. A task or range bar can be asked whether the user cancelled: the
// host application requests cancellation (for example on an interrupt
// signal) through ProgressCancellation.
#pragma once

#include "host/PMString.h"

class ProgressCancellation {
 public:
  static void Request() { requested_ = true; }
  static void Reset() { requested_ = false; }
  static bool IsRequested() { return requested_; }

 private:
  static inline volatile bool requested_ = false;
};

class BaseProgressBar {
 public:
  BaseProgressBar(const PMString& title, int32 minimum, int32 maximum);
  virtual ~BaseProgressBar();
  BaseProgressBar(const BaseProgressBar&) = delete;
  BaseProgressBar& operator=(const BaseProgressBar&) = delete;

  void SetPosition(int32 position) {
    // The common case (no visible change) stays a compare and a return: the
    // import calls this once per input character.
    if (!drawing_) return;
    const int32 percent = PercentOf(position);
    if (percent != shownPercent_) Draw(percent);
  }
  // Whether cancellation was requested; the argument is the host's
  // "check the event queue" flag and changes nothing here.
  bool16 IsCancelled(int32 checkEvents = 1) const;

 protected:
  void SetTitle(const PMString& title) { title_ = title.GetUTF8String(); }
  void Redraw() {
    if (drawing_) Draw(shownPercent_ < 0 ? 0 : shownPercent_);
  }

 private:
  int32 PercentOf(int32 position) const;
  void Draw(int32 percent);

  std::string title_;
  int32 minimum_;
  int32 maximum_;
  int32 shownPercent_ = -1;
  bool drawing_;
};

// A bar over a number of tasks.
class TaskProgressBar : public BaseProgressBar {
 public:
  TaskProgressBar(const PMString& title, int32 taskCount, bool16 allowCancel = kTrue, bool16 showImmediately = kTrue,
                  const void* controlData = nullptr, int32 flags = 1);
  // Starts the next task, titled by a (translatable) key.
  void DoTask(const PMString& taskName, int32 taskSteps = 1);

 private:
  int32 taskCount_;
  int32 tasksStarted_ = 0;
};

// A bar over a range of positions.
class RangeProgressBar : public BaseProgressBar {
 public:
  RangeProgressBar(const PMString& title, int32 minimum, int32 maximum, bool16 allowCancel = kFalse,
                   bool16 showImmediately = kTrue, const void* controlData = nullptr, int32 flags = 0);
};
