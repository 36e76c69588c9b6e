#include "shell/update_reply.h"


std::optional<UpdateNotice> UpdateReply::Take(std::string_view chunk) {
  if (stage_ == Stage::kFinished) return std::nullopt;
  Append(chunk);
  std::optional<UpdateNotice> notice;
  if (stage_ == Stage::kStatusLine) notice = TakeStatusLine();
  if (stage_ == Stage::kBody) ScanBody();
  return notice;
}

void UpdateReply::Append(std::string_view chunk) {
  if (full_) return;
  const std::size_t room = kCapacity - buffer_.size();
  if (chunk.size() > room) {
    chunk = chunk.substr(0, room);
    full_ = true;
  }
  buffer_.append(chunk);
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
