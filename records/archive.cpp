#include "records/archive.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "records/regular_file.h"

namespace {

// A forward-only byte source over a file, read in large chunks.
class ByteStream {
 public:
  explicit ByteStream(std::FILE* file) : file_(file) {}

  // Next byte, or -1 at the end of the file (or on a read error).
  int Next() {
    if (pos_ == end_ && !Refill()) return -1;
    return static_cast<unsigned char>(buffer_[pos_++]);
  }

  // Skips up to and including the next occurrence of c; false at the end.
  bool SkipPast(char c) {
    for (;;) {
      if (pos_ == end_ && !Refill()) return false;
      const void* hit = std::memchr(buffer_.data() + pos_, c, end_ - pos_);
      if (hit) {
        pos_ = static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.data()) + 1;
        return true;
      }
      pos_ = end_;
    }
  }

  // Appends bytes to out up to (not including) the next occurrence of c, which
  // is consumed; false when the file ends first (out then holds the rest).
  bool CopyUntil(char c, std::string& out) {
    for (;;) {
      if (pos_ == end_ && !Refill()) return false;
      const char* start = buffer_.data() + pos_;
      const void* hit = std::memchr(start, c, end_ - pos_);
      if (hit) {
        const auto n = static_cast<std::size_t>(static_cast<const char*>(hit) - start);
        out.append(start, n);
        pos_ += n + 1;
        return true;
      }
      out.append(start, end_ - pos_);
      pos_ = end_;
    }
  }

 private:
  bool Refill() {
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    return end_ > 0;
  }

  std::FILE* file_;
  std::array<char, 64 * 1024> buffer_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Reads a record name up to its closing brace and tells whether it equals
// wanted, without keeping more of it than needed. -1: the archive ended.
int NameMatches(ByteStream& in, const std::string& wanted) {
  std::size_t matched = 0;
  bool same = true;
  for (;;) {
    const int b = in.Next();
    if (b < 0) return -1;
    if (b == '}') return same && matched == wanted.size() ? 1 : 0;
    if (same && matched < wanted.size() && static_cast<unsigned char>(wanted[matched]) == b)
      ++matched;
    else
      same = false;
  }
}

// Content runs to the first two vertical bars in a row (consumed) or to the
// end of the archive. A single bar followed by another byte keeps both.
void ReadContent(ByteStream& in, std::string& content) {
  for (;;) {
    if (!in.CopyUntil('|', content)) return;
    const int next = in.Next();
    if (next < 0) {
      content.push_back('|');
      return;
    }
    if (next == '|') return;
    content.push_back('|');
    content.push_back(static_cast<char>(next));
  }
}

}  // namespace

ArchiveLookup FindArchiveRecord(const std::string& archive_path, const std::string& name,
                                std::string& content) {
  if (!IsRegularFile(archive_path)) return ArchiveLookup::kNotFound;  // a pipe would block, a directory never ends
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(archive_path.c_str(), "rb"));
  if (!file) return ArchiveLookup::kNotFound;
  // Our own buffer replaces stdio's, so each refill is one large read.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  auto in = std::make_unique<ByteStream>(file.get());

  for (;;) {
    if (!in->SkipPast('"')) return ArchiveLookup::kNotFound;
    const int b1 = in->Next();
    const int b2 = in->Next();
    if (b1 < 0 || b2 < 0) return ArchiveLookup::kNotFound;
    if (b1 != '|' || b2 != '{') continue;
    const int match = NameMatches(*in, name);
    if (match < 0) return ArchiveLookup::kNotFound;
    if (match == 0) continue;  // the scan goes on through this record's content
    content.clear();
    ReadContent(*in, content);
    return content.empty() ? ArchiveLookup::kEmptyContent : ArchiveLookup::kFound;
  }
}
