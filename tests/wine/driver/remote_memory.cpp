#include "remote_memory.h"

RemoteBlock::RemoteBlock(HANDLE process, std::size_t size) : process_(process), size_(size) {
  base_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBlock::~RemoteBlock() {
  if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
}

std::uintptr_t RemoteBlock::Address(std::size_t offset) const {
  return reinterpret_cast<std::uintptr_t>(base_) + offset;
}

bool RemoteBlock::Write(std::size_t offset, const void* data, std::size_t size) const {
  if (base_ == nullptr || offset + size > size_) return false;
  SIZE_T written = 0;
  return WriteProcessMemory(process_, reinterpret_cast<void*>(Address(offset)), data, size, &written) != FALSE &&
         written == size;
}

bool RemoteBlock::Read(std::size_t offset, void* data, std::size_t size) const {
  if (base_ == nullptr || offset + size > size_) return false;
  SIZE_T read = 0;
  return ReadProcessMemory(process_, reinterpret_cast<const void*>(Address(offset)), data, size, &read) != FALSE &&
         read == size;
}
