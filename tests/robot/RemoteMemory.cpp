#include "tests/robot/RemoteMemory.h"

#include <cstring>

namespace robot {

RemoteMemory::RemoteMemory(HWND owner, size_t size) : size_(size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(owner, &pid);
  if (pid == GetCurrentProcessId()) {
    local_ = true;
    address_ = VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    return;
  }
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process_)
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
  if (address_) {
    if (local_)
      VirtualFree(address_, 0, MEM_RELEASE);
    else
      VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  if (process_) CloseHandle(process_);
}

bool RemoteMemory::Write(size_t offset, const void* data, size_t size) {
  if (!address_ || offset > size_ || size > size_ - offset) return false;
  char* target = static_cast<char*>(address_) + offset;
  if (local_) {
    std::memcpy(target, data, size);
    return true;
  }
  SIZE_T written = 0;
  return WriteProcessMemory(process_, target, data, size, &written) && written == size;
}

bool RemoteMemory::Read(size_t offset, void* data, size_t size) const {
  if (!address_ || offset > size_ || size > size_ - offset) return false;
  const char* source = static_cast<const char*>(address_) + offset;
  if (local_) {
    std::memcpy(data, source, size);
    return true;
  }
  SIZE_T read = 0;
  return ReadProcessMemory(process_, source, data, size, &read) && read == size;
}

}  // namespace robot
