#pragma once
// A block of memory inside another process. Messages whose parameters point
// to memory (list-view items, tab rectangles) are not copied between
// processes, so the driver places their structures in faunary's own address
// space and reads the answers back.
#include "win32_driver.h"

class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, std::size_t size);
  ~RemoteBlock();
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool ok() const { return base_ != nullptr; }
  // The address, in the other process, of the byte at `offset`.
  std::uintptr_t Address(std::size_t offset = 0) const;
  bool Write(std::size_t offset, const void* data, std::size_t size) const;
  bool Read(std::size_t offset, void* data, std::size_t size) const;

 private:
  HANDLE process_;
  void* base_ = nullptr;
  std::size_t size_;
};
