#pragma once
#include <utility>

#include "port/toolkit.h"

namespace tk {

// Owns one control or bitmap and destroys it with itself. Move-only, so a
// page keeps its controls by value in a vector and clearing it destroys them.
template <typename HandleType, void (*Release)(HandleType)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(HandleType handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, {});
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { Reset(); }

  // The handle itself, for the port's calls; the owner keeps it.
  operator HandleType() const { return handle_; }
  void Reset() {
    if (handle_) Release(std::exchange(handle_, {}));
  }

 private:
  HandleType handle_{};
};

using OwnedWindow = Owned<Window, DestroyControl>;
using OwnedBitmap = Owned<Bitmap, DeleteBitmap>;

}  // namespace tk
