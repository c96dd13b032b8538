#pragma once
// A block of memory in the process that owns a window, for messages whose
// parameters are pointers (tree-view and list-view items). For a window of the
// calling process it is plain local memory.

#include <windows.h>

#include <cstddef>

namespace robot {

class RemoteMemory {
 public:
  RemoteMemory(HWND owner, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool ok() const { return address_ != nullptr; }
  void* address() const { return address_; }
  bool Write(size_t offset, const void* data, size_t size);
  bool Read(size_t offset, void* data, size_t size) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_ = 0;
  bool local_ = false;
};

}  // namespace robot
