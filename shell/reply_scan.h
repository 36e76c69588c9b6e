#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The update server's reply is read with fixed scanf formats. These functions
// reproduce those formats by hand, so that received text never reaches a C
// library format routine and no word can overflow its buffer:
//  - a white-space directive matches any run of C-locale white space, even none;
//  - %u skips white space, takes an optional sign and at least one digit, and
//    wraps modulo 2^32 (a minus sign negates in that arithmetic);
//  - %s skips white space and takes the following run of non-white-space;
//  - ordinary characters must match exactly;
//  - a zero byte ends the text, as it ends a C string.
// A directive that fails ends the scan; items not reached keep their values.

struct StatusLine {
  std::uint32_t code = 0;
  std::string reason;  // the first word of the reason phrase
};

// "HTTP/1.0 %u %s", and "HTTP/1.1 %u %s" into the same items when the first
// scan leaves the code at 0.
StatusLine ScanStatusLine(std::string_view line);

struct VersionBody {
  std::int32_t newest_executable = 8;
  std::int32_t data_version = 1;  // read, never used
  std::string third_word;         // shown in the new-version message
  std::string fourth_word;        // read, never used
};

// "%u\r\n%u\r\n%s\r\n%s" over text into body; the numbers are stored as
// signed 32-bit values of the unsigned results. Returns how many of the four
// items were read.
int ScanVersionBody(std::string_view text, VersionBody& body);
