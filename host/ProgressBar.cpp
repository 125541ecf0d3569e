#include "host/ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {
PMString Translated(PMString text) {
  text.Translate();
  return text;
}
}  // namespace

BaseProgressBar::BaseProgressBar(const PMString& title, int32 minimum, int32 maximum)
    : title_(Translated(title).GetUTF8String()), minimum_(minimum), maximum_(maximum), drawing_(isatty(2) != 0) {}

BaseProgressBar::~BaseProgressBar() {
  if (drawing_ && shownPercent_ >= 0) std::fputs("\r\033[K", stderr);  // leave the line clean
}

bool16 BaseProgressBar::IsCancelled(int32) const { return ProgressCancellation::IsRequested() ? kTrue : kFalse; }

int32 BaseProgressBar::PercentOf(int32 position) const {
  if (maximum_ <= minimum_) return 100;
  const int64_t done = std::clamp<int64_t>(int64_t{position} - minimum_, 0, int64_t{maximum_} - minimum_);
  return static_cast<int32>(done * 100 / (int64_t{maximum_} - minimum_));
}

void BaseProgressBar::Draw(int32 percent) {
  shownPercent_ = percent;
  constexpr int kWidth = 30;
  const int filled = percent * kWidth / 100;
  std::fprintf(stderr, "\r%s [%.*s%*s] %3d%%", title_.c_str(), filled, "##############################",
               kWidth - filled, "", percent);
  std::fflush(stderr);
}

TaskProgressBar::TaskProgressBar(const PMString& title, int32 taskCount, bool16, bool16 showImmediately, const void*,
                                 int32)
    : BaseProgressBar(title, 0, taskCount), taskCount_(taskCount) {
  if (showImmediately) SetPosition(0);
}

void TaskProgressBar::DoTask(const PMString& taskName, int32) {
  SetTitle(Translated(taskName));
  Redraw();
  SetPosition(std::min(++tasksStarted_, taskCount_));
}

RangeProgressBar::RangeProgressBar(const PMString& title, int32 minimum, int32 maximum, bool16, bool16 showImmediately,
                                   const void*, int32)
    : BaseProgressBar(title, minimum, maximum) {
  if (showImmediately) SetPosition(minimum);
}
