#include "shell/update_reply.h"

#include <algorithm>

std::optional<UpdateNotice> UpdateReply::Take(std::string_view chunk) {
  if (stage_ == Stage::kFinished) return std::nullopt;
  std::optional<UpdateNotice> notice;
  if (stage_ == Stage::kStatusLine) {
    chunk = Append(chunk);
    // Taking the status line off makes room for the rest of this chunk, so
    // what is kept never depends on how the reply was cut into chunks.
    notice = TakeStatusLine();
  }
  if (stage_ == Stage::kBody) {
    chunk = Append(chunk);
    ScanBody();
  }
  if (!chunk.empty() && stage_ != Stage::kFinished) full_ = true;
  return notice;
}

std::string_view UpdateReply::Append(std::string_view chunk) {
  if (full_) return chunk;
  const std::size_t taken = std::min(chunk.size(), kCapacity - buffer_.size());
  buffer_.append(chunk.substr(0, taken));
  return chunk.substr(taken);
}

std::optional<UpdateNotice> UpdateReply::TakeStatusLine() {
  const std::size_t end = buffer_.find("\r\n");
  if (end == std::string::npos) return std::nullopt;
  status_ = ScanStatusLine(std::string_view(buffer_).substr(0, end));
  // The line end stays: with no header lines, the blank line that ends the
  // header block starts right there.
  buffer_.erase(0, end);
  switch (status_.code) {
    case 200:
      stage_ = Stage::kBody;
      return std::nullopt;
    case 202:
      stage_ = Stage::kFinished;
      return std::nullopt;
    default:
      stage_ = Stage::kFinished;
      return StatusNotice(status_);
  }
}

void UpdateReply::ScanBody() {
  const std::size_t blank = buffer_.find("\r\n\r\n");
  if (blank == std::string::npos) return;
  items_ = ScanVersionBody(std::string_view(buffer_).substr(blank), body_);
}
