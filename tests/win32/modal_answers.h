// Answers the modal boxes and dialogs that code under test opens on this
// thread, one after another, from inside their own message loops.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace orvanel::testing {

class ModalAnswers {
 public:
  using Answer = std::function<void(HWND dialog)>;

  ModalAnswers() : timer_(SetTimer(nullptr, 0, 20, Poll)) { active_ = this; }
  ~ModalAnswers() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
  }
  ModalAnswers(const ModalAnswers&) = delete;
  ModalAnswers& operator=(const ModalAnswers&) = delete;

  // An answer checks what it needs at once and posts its closing action.
  void Then(Answer answer) { answers_.push_back(std::move(answer)); }
  bool AllAnswered() const { return answers_.empty(); }

 private:
  // The dialog that takes input now: a visible, enabled dialog box of this
  // thread; a box opened over a dialog disables it.
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  static void CALLBACK Poll(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    ModalAnswers* self = active_;
    if (self == nullptr) return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    // A dialog that a box of its own disabled is answered anew once back.
    std::erase_if(self->answered_, [](HWND window) { return !IsWindow(window) || !IsWindowEnabled(window); });
    if (dialog == nullptr || std::find(self->answered_.begin(), self->answered_.end(), dialog) != self->answered_.end()) {
      return;
    }
    self->answered_.push_back(dialog);
    if (self->answers_.empty()) {
      ADD_FAILURE() << "an unexpected dialog";
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    Answer answer = std::move(self->answers_.front());
    self->answers_.pop_front();
    answer(dialog);
  }

  static inline ModalAnswers* active_ = nullptr;
  UINT_PTR timer_;
  std::deque<Answer> answers_;
  std::vector<HWND> answered_;
};

inline std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

}  // namespace orvanel::testing
