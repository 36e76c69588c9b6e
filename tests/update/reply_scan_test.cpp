#include "shell/reply_scan.h"

#include <gtest/gtest.h>

#include "shell/net_socket.h"

namespace {

using namespace std::string_view_literals;

struct StatusCase {
  std::string_view line;
  std::uint32_t code;
  const char* reason;
};

class StatusLineScan : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusLineScan, ReadsCodeAndFirstReasonWord) {
  const StatusLine status = ScanStatusLine(GetParam().line);
  EXPECT_EQ(status.code, GetParam().code);
  EXPECT_EQ(status.reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StatusLineScan,
    testing::Values(StatusCase{"HTTP/1.0 200 OK", 200, "OK"}, StatusCase{"HTTP/1.1 404 Not Found", 404, "Not"},
                    StatusCase{"HTTP/1.1 301 Moved Permanently", 301, "Moved"},
                    StatusCase{"HTTP/1.0 \t 503\t\vService Unavailable", 503, "Service"},
                    StatusCase{"HTTP/1.0200OK", 200, "OK"},  // white-space directives match none
                    StatusCase{"HTTP/1.0 +202 Accepted", 202, "Accepted"},
                    StatusCase{"HTTP/1.0 -1 x", 4294967295u, "x"},
                    StatusCase{"HTTP/1.1 99999999999 Big", 1215752191u, "Big"},  // wraps modulo 2^32
                    StatusCase{"HTTP/1.0 200", 200, ""}, StatusCase{"HTTP/1.0 0 Zero", 0, "Zero"},
                    StatusCase{"HTTP/1.0 abc def", 0, ""}, StatusCase{"http/1.0 200 OK", 0, ""},
                    StatusCase{"HTTP/2 200 OK", 0, ""}, StatusCase{" HTTP/1.0 200 OK", 0, ""},
                    StatusCase{"SSH-2.0-OpenSSH_9.2", 0, ""}, StatusCase{"", 0, ""},
                    StatusCase{"HTTP/1.0 20\0" "0 OK"sv, 20, ""},  // a zero byte ends the text
                    StatusCase{"HTTP/1.1 200 O\0K"sv, 200, "O"}));

struct BodyCase {
  std::string_view text;
  std::int32_t newest;
  std::int32_t data;
  const char* third;
  const char* fourth;
};

class VersionBodyScan : public testing::TestWithParam<BodyCase> {};

TEST_P(VersionBodyScan, ReadsUntilTheFirstItemThatDoesNotScan) {
  VersionBody body;
  ScanVersionBody(GetParam().text, body);
  EXPECT_EQ(body.newest_executable, GetParam().newest);
  EXPECT_EQ(body.data_version, GetParam().data);
  EXPECT_EQ(body.third_word, GetParam().third);
  EXPECT_EQ(body.fourth_word, GetParam().fourth);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, VersionBodyScan,
    testing::Values(BodyCase{"\r\n\r\n9\r\n1\r\nfirst\r\nsecond\r\n", 9, 1, "first", "second"},
                    BodyCase{"  12 7\tone two three", 12, 7, "one", "two"},
                    BodyCase{"\r\n\r\n", 8, 1, "", ""}, BodyCase{"\r\n\r\nnews", 8, 1, "", ""},
                    BodyCase{"\r\n\r\n9\r\nword", 9, 1, "", ""}, BodyCase{"9\r\n2\r\n", 9, 2, "", ""},
                    BodyCase{"9\r\n2\r\nonly", 9, 2, "only", ""}, BodyCase{"9x1", 9, 1, "", ""},
                    BodyCase{"-9\r\n-1", -9, -1, "", ""}, BodyCase{"4294967295", -1, 1, "", ""},
                    BodyCase{"4294967305", 9, 1, "", ""}, BodyCase{"2147483648", -2147483647 - 1, 1, "", ""},
                    BodyCase{"+10 - 3", 10, 1, "", ""},
                    BodyCase{"9 1 w\0rest tail"sv, 9, 1, "w", ""}));

TEST(VersionBodyScan, KeepsItemsItCannotReachFromAnEarlierScan) {
  VersionBody body;
  ScanVersionBody("10 2 early late", body);
  ScanVersionBody("11 3", body);
  EXPECT_EQ(body.newest_executable, 11);
  EXPECT_EQ(body.data_version, 3);
  EXPECT_EQ(body.third_word, "early");
  EXPECT_EQ(body.fourth_word, "late");
}

struct NameCase {
  const char* host;
  bool reserved;
};

class ReservedNames : public testing::TestWithParam<NameCase> {};

TEST_P(ReservedNames, InvalidTopLevelDomainIsNeverLookedUp) {
  EXPECT_EQ(IsReservedInvalidName(GetParam().host), GetParam().reserved);
}

INSTANTIATE_TEST_SUITE_P(Hosts, ReservedNames,
                         testing::Values(NameCase{"invalid", true}, NameCase{"updates.faunary.invalid", true},
                                         NameCase{"UPDATES.Faunary.INVALID.", true}, NameCase{"x.invalid.", true},
                                         NameCase{"notinvalid", false}, NameCase{"invalid.example", false},
                                         NameCase{"127.0.0.1", false}, NameCase{"", false}));

}  // namespace
