#include <gtest/gtest.h>

#include <string>

#include "update/UpdateReply.h"

namespace {

std::string FirstLine(const std::string& body, std::size_t piece = 7)
{
    ReplyLineReader reader;
    for (std::size_t at = 0; at < body.size(); at += piece) {
        if (!reader.Feed(body.data() + at, std::min(piece, body.size() - at))) break;
    }
    return reader.Line();
}

}  // namespace

TEST(UpdateReply, FirstLineWithoutCarriageReturns)
{
    EXPECT_EQ(FirstLine("New Version Updated\r\n"), "New Version Updated");
    EXPECT_EQ(FirstLine("@MSG@hello\nsecond line\n"), "@MSG@hello");
    EXPECT_EQ(FirstLine("a\rb\r\r\nc"), "ab");
    EXPECT_EQ(FirstLine(""), "");
    EXPECT_EQ(FirstLine("\n@MSG@late"), "");
    EXPECT_EQ(FirstLine("no line feed at all"), "no line feed at all");
}

TEST(UpdateReply, ReadingStopsAtTheLineFeedOrTheBound)
{
    ReplyLineReader reader;
    const std::string body = "@MSG@hi\nrest of the body";
    EXPECT_FALSE(reader.Feed(body.data(), body.size())) << "complete: read no more";
    EXPECT_EQ(reader.BytesTaken(), 8u);
    EXPECT_EQ(reader.Line(), "@MSG@hi");

    const std::string endless(3 * kMaxReplyLineBytes, 'x');
    EXPECT_EQ(FirstLine(endless, 1000), std::string(kMaxReplyLineBytes, 'x'));
    ReplyLineReader bounded;
    bounded.Feed(endless.data(), endless.size());
    EXPECT_EQ(bounded.BytesTaken(), kMaxReplyLineBytes);

    // Carriage returns count against the bound too: a body of them ends.
    const std::string returns(2 * kMaxReplyLineBytes, '\r');
    ReplyLineReader quiet;
    EXPECT_FALSE(quiet.Feed(returns.data(), returns.size()));
    EXPECT_EQ(quiet.Line(), "");
    EXPECT_EQ(quiet.BytesTaken(), kMaxReplyLineBytes);
}

TEST(UpdateReply, RedirectsAndTheCheckDeadline)
{
    for (unsigned long status : {301ul, 302ul, 303ul, 307ul, 308ul}) EXPECT_TRUE(IsRedirectStatus(status)) << status;
    for (unsigned long status : {200ul, 300ul, 304ul, 305ul, 404ul, 0ul}) EXPECT_FALSE(IsRedirectStatus(status)) << status;
    // Each step at most 5 s, the last one cut to what is left of 30 s, then none.
    EXPECT_EQ(StepTimeoutMs(0, 5000), 5000u);
    EXPECT_EQ(StepTimeoutMs(27500, 5000), 2500u);
    EXPECT_EQ(StepTimeoutMs(29999, 5000), 1u);
    EXPECT_EQ(StepTimeoutMs(30000, 5000), 0u);
    EXPECT_EQ(StepTimeoutMs(1ull << 40, 5000), 0u);
    // Only to the web.
    for (const wchar_t* url : {L"http://update.melkbay.example/x", L"HTTPS://mirror.example/", L"Http://a"}) {
        EXPECT_TRUE(IsFollowableAddress(url)) << url;
    }
    for (const wchar_t* url : {L"ftp://update.melkbay.example/x", L"file:///C:/x", L"https:", L"httpx://a", L""}) {
        EXPECT_FALSE(IsFollowableAddress(url)) << url;
    }
}

TEST(UpdateReply, Meanings)
{
    const struct {
        const char* line;
        UpdateReplyKind kind;
        const char* message;
    } rows[] = {
        {"New Version Updated", UpdateReplyKind::NewVersion, ""},
        {"@MSG@hello world", UpdateReplyKind::Message, "hello world"},
        {"@MSG@", UpdateReplyKind::Message, ""},
        {"@MSG@@MSG@x", UpdateReplyKind::Message, "@MSG@x"},
        // Anything else, however close, means nothing.
        {"new version updated", UpdateReplyKind::Nothing, ""},
        {"New Version Updated!", UpdateReplyKind::Nothing, ""},
        {"New Version Updated ", UpdateReplyKind::Nothing, ""},
        {" New Version Updated", UpdateReplyKind::Nothing, ""},
        {"", UpdateReplyKind::Nothing, ""},
        {"@msg@hello", UpdateReplyKind::Nothing, ""},
        {"@MSG", UpdateReplyKind::Nothing, ""},
        {"MSG@x", UpdateReplyKind::Nothing, ""},
        {" @MSG@not at the start", UpdateReplyKind::Nothing, ""},
        {"notice: @MSG@x", UpdateReplyKind::Nothing, ""},
    };
    for (const auto& row : rows) {
        const UpdateReply reply = ParseUpdateReply(row.line);
        EXPECT_EQ(reply.kind, row.kind) << row.line;
        EXPECT_EQ(reply.message, row.message) << row.line;
    }
}
