// The update server's reply cut into random chunks: what the check takes
// from it does not depend on how it was cut, and it keeps at most its 511 bytes.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "shell/update_reply.h"

namespace {

struct Taken {
  std::vector<UpdateNotice> notices;
  UpdateReply reply;
};

void Take(Taken& taken, std::string_view chunk) {
  if (std::optional<UpdateNotice> notice = taken.reply.Take(chunk)) taken.notices.push_back(*notice);
  FUZZ_CHECK(taken.reply.kept().size() <= UpdateReply::kCapacity);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte seeds the chunk sizes; the rest is the reply.
  if (size == 0) return 0;
  const std::uint32_t seed = data[0];
  const std::string reply = AsString(data + 1, size - 1);

  Taken whole, chunked;
  Take(whole, reply);
  std::uint32_t state = seed | 1u;
  for (std::size_t at = 0; at < reply.size();) {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;  // xorshift: chunk sizes 1-64
    const std::size_t length = std::min<std::size_t>(reply.size() - at, 1 + state % 64);
    Take(chunked, std::string_view(reply).substr(at, length));
    at += length;
  }
  const UpdateReply& a = whole.reply;
  const UpdateReply& b = chunked.reply;
  FUZZ_CHECK(whole.notices == chunked.notices);
  FUZZ_CHECK(a.stage() == b.stage() && a.HasAllItems() == b.HasAllItems());
  FUZZ_CHECK(a.stage() == UpdateReply::Stage::kFinished || a.kept() == b.kept());  // kept for nothing once finished
  FUZZ_CHECK(a.status().code == b.status().code && a.status().reason == b.status().reason);
  FUZZ_CHECK(a.body().newest_executable == b.body().newest_executable &&
             a.body().data_version == b.body().data_version && a.body().third_word == b.body().third_word &&
             a.body().fourth_word == b.body().fourth_word);
  return 0;
}
