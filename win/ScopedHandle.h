#pragma once
// Scoped handles beyond GDI: kernel objects, loaded modules, a window's
// device context from GetDC, icons. Each closes what it holds exactly once,
// so no caller pairs Close/Release calls by hand. (Registry keys:
// RegistryKey.h; GDI objects and selections: ScopedGdi.h.)

#include <windows.h>

#include <type_traits>
#include <utility>

namespace win {

// One handle type and the call that gives it back.
template <typename Handle, typename Closer>
class ScopedHandleOf {
 public:
  ScopedHandleOf() = default;
  explicit ScopedHandleOf(Handle handle) : handle_(Valid(handle) ? handle : nullptr) {}
  ~ScopedHandleOf() { Reset(); }
  ScopedHandleOf(const ScopedHandleOf&) = delete;
  ScopedHandleOf& operator=(const ScopedHandleOf&) = delete;
  ScopedHandleOf(ScopedHandleOf&& other) noexcept : handle_(other.Release()) {}
  ScopedHandleOf& operator=(ScopedHandleOf&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Closer()(handle_);
    handle_ = Valid(handle) ? handle : nullptr;
  }

 private:
  // CreateFile reports failure with INVALID_HANDLE_VALUE, most others with
  // nullptr; both mean "nothing to close".
  static bool Valid(Handle handle) {
    if constexpr (std::is_same_v<Handle, HANDLE>) {
      if (handle == INVALID_HANDLE_VALUE) return false;
    }
    return handle != nullptr;
  }

  Handle handle_ = nullptr;
};

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct FreeModule {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct DestroyIconHandle {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

// Files, mappings, tokens, processes, mutexes, events.
using ScopedHandle = ScopedHandleOf<HANDLE, CloseKernelHandle>;
// LoadLibrary / LoadLibraryEx, data files included.
using ScopedModule = ScopedHandleOf<HMODULE, FreeModule>;
// Icons the program made or extracted (never a shared one from LoadIcon).
using ScopedIcon = ScopedHandleOf<HICON, DestroyIconHandle>;

// GetDC of a window (nullptr: the screen), released to that window.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND hwnd = nullptr) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedWindowDc() {
    if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace win
