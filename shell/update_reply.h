#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "shell/reply_scan.h"
#include "shell/update_notices.h"

// The update server's reply as it arrives, chunk by chunk: the status line is
// taken off as soon as it is complete, and after a 200 the body is scanned
// again after every chunk, so the scan over the complete body decides.
class UpdateReply {
 public:
  // Room for the reply in text form, as in a 512-byte C buffer. The reply's
  // bytes are kept in order until the room is full; everything after that is
  // ignored (a longer reply is still read to its end, but not kept). The
  // status line leaves the room as soon as it is complete.
  static constexpr std::size_t kCapacity = 511;

  enum class Stage {
    kStatusLine,  // waiting for the first line end
    kBody,        // status 200: scanning the body
    kFinished,    // a problem was found, or 202: nothing more is taken
  };

  // Takes one received chunk. Returns the warning to show when this chunk
  // completes a status line that calls for one.
  std::optional<UpdateNotice> Take(std::string_view chunk);

  Stage stage() const { return stage_; }
  const VersionBody& body() const { return body_; }
  const StatusLine& status() const { return status_; }
  // The reply names an executable newer than this program's.
  bool NamesNewerExecutable() const { return body_.newest_executable > 8; }
  // All four items of the body were read (the last one maybe cut short).
  bool HasAllItems() const { return items_ == 4; }
  // What is kept of the reply: everything from the status line's end on.
  const std::string& kept() const { return buffer_; }

 private:
  // Appends what fits and returns the rest.
  std::string_view Append(std::string_view chunk);
  std::optional<UpdateNotice> TakeStatusLine();
  void ScanBody();

  Stage stage_ = Stage::kStatusLine;
  std::string buffer_;
  bool full_ = false;  // bytes were dropped: nothing later may be kept
  StatusLine status_;
  VersionBody body_;
  int items_ = 0;
};
