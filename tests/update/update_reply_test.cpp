#include "shell/update_reply.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Stage = UpdateReply::Stage;

TEST(UpdateReply, ScansTheBodyAgainAfterEveryChunk) {
  UpdateReply reply;
  EXPECT_FALSE(reply.Take("HTTP/1.0 200 OK\r\nServer: t"));
  EXPECT_EQ(reply.stage(), Stage::kBody);
  reply.Take("est\r\n\r\n1");
  EXPECT_EQ(reply.body().newest_executable, 1);
  EXPECT_FALSE(reply.NamesNewerExecutable());
  reply.Take("2\r\n1\r\nfaun");
  EXPECT_EQ(reply.body().newest_executable, 12);
  EXPECT_EQ(reply.body().third_word, "faun");
  reply.Take("ary-2.zip\r\nx");
  EXPECT_EQ(reply.body().third_word, "faunary-2.zip");
  EXPECT_EQ(reply.body().fourth_word, "x");
  EXPECT_TRUE(reply.NamesNewerExecutable());
}

TEST(UpdateReply, StatusLineSplitAnywhereIsTakenWhenItsLineEndArrives) {
  const std::string reply_text = "HTTP/1.1 503 Service Unavailable\r\n\r\n";
  for (std::size_t cut = 0; cut <= reply_text.size(); ++cut) {
    UpdateReply reply;
    auto first = reply.Take(std::string_view(reply_text).substr(0, cut));
    auto second = reply.Take(std::string_view(reply_text).substr(cut));
    const bool line_complete = cut >= reply_text.find("\r\n") + 2;
    EXPECT_EQ(first.has_value(), line_complete) << cut;
    EXPECT_EQ(second.has_value(), !line_complete) << cut;
    EXPECT_EQ(reply.status().code, 503u);
    EXPECT_EQ(reply.stage(), Stage::kFinished);
  }
}

TEST(UpdateReply, NothingIsTakenAfterAProblemOrA202) {
  for (const char* status : {"HTTP/1.0 202 Accepted\r\n", "HTTP/1.0 404 Not Found\r\n"}) {
    UpdateReply reply;
    reply.Take(status);
    EXPECT_FALSE(reply.Take("\r\n9\r\n1\r\nnew\r\nold\r\n"));
    EXPECT_EQ(reply.stage(), Stage::kFinished);
    EXPECT_FALSE(reply.NamesNewerExecutable()) << status;
  }
}

TEST(UpdateReply, KeepsAtMostItsCapacityAndNothingAfterAGap) {
  UpdateReply reply;
  reply.Take("HTTP/1.0 200 OK\r\n");  // leaves "\r\n"
  const std::string headers = "X: " + std::string(488, 'h') + "\r\n\r\n";
  reply.Take(headers);  // 2 + 495 kept, 14 left
  reply.Take("9\r\n1\r\nabcdefghijklmnop");
  EXPECT_EQ(reply.kept().size(), UpdateReply::kCapacity);
  EXPECT_EQ(reply.body().third_word, "abcdefgh");  // cut at the buffer's end
  reply.Take(" more\r\n");
  EXPECT_EQ(reply.kept().size(), UpdateReply::kCapacity);
  EXPECT_EQ(reply.body().third_word, "abcdefgh");
  EXPECT_TRUE(reply.NamesNewerExecutable());
}

TEST(UpdateReply, ABodyBeyondTheBufferIsNeverSeen) {
  UpdateReply reply;
  reply.Take("HTTP/1.1 200 OK\r\n");
  for (int i = 0; i < 100; ++i) reply.Take("Padding: " + std::string(40, 'p') + "\r\n");
  reply.Take("\r\n9\r\n1\r\nnew\r\nold\r\n");
  EXPECT_LE(reply.kept().size(), UpdateReply::kCapacity);
  EXPECT_FALSE(reply.NamesNewerExecutable());
}

// Whatever arrives, in whatever pieces, the reply stays within its buffer and
// every read stays within what was received (the sanitizers watch both).
TEST(UpdateReply, SurvivesArbitraryBytes) {
  std::mt19937 random(20240607);
  const std::string prefixes[] = {"", "HTTP/1.0 200 OK\r\n\r\n", "HTTP/1.1 200 \r\n"};
  for (int round = 0; round < 300; ++round) {
    UpdateReply reply;
    std::string bytes = prefixes[round % 3];
    const std::size_t length = random() % 1500;
    for (std::size_t i = 0; i < length; ++i) {
      const char alphabet[] = {'\r', '\n', ' ', '\0', '9', '-', 'H', 'x', '\xff'};
      bytes += (random() % 2) ? alphabet[random() % sizeof alphabet] : static_cast<char>(random() % 256);
    }
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t n = 1 + random() % 60;
      reply.Take(std::string_view(bytes).substr(at, n));
      at += n;
      ASSERT_LE(reply.kept().size(), UpdateReply::kCapacity);
    }
    EXPECT_LE(reply.body().third_word.size(), UpdateReply::kCapacity);
  }
}

}  // namespace
