// The update server's one-line reply and what it means, without Windows.
#pragma once

#include <cstddef>
#include <string>

// The reply is read up to its first line feed, and never past this many bytes.
constexpr std::size_t kMaxReplyLineBytes = 4096;

constexpr char kUpdateNotice[] = "New Version Updated";
constexpr char kMessagePrefix[] = "@MSG@";

std::string UpdateQueryUrl(const std::string& host, const std::string& version);
std::string DownloadPageUrl(const std::string& host, const std::string& version);

// Collects the reply's first line from the body as it arrives: carriage
// returns dropped, the line feed removed, at most kMaxReplyLineBytes bytes.
class ReplyLineReader {
public:
    // Takes the next piece of the body; false once the line is complete and
    // nothing more should be read.
    bool Feed(const char* data, std::size_t size);
    const std::string& Line() const { return m_strLine; }
    // Body bytes taken so far, carriage returns included.
    std::size_t BytesTaken() const { return m_nTaken; }

private:
    std::string m_strLine;
    std::size_t m_nTaken = 0;
    bool m_bComplete = false;
};

enum class UpdateReplyKind {
    Nothing,     // anything else, an empty line included
    NewVersion,  // exactly the update notice: offer the download
    Message,     // a line starting with the message prefix: show the rest
};

struct UpdateReply {
    UpdateReplyKind kind;
    std::string message;  // for Message: the line from its sixth byte on
};

UpdateReply ParseUpdateReply(const std::string& line);

// The check follows at most this many redirects, and ends quietly once this
// much time has passed since it began, whatever the server does.
constexpr int kMaxRedirects = 5;
constexpr unsigned kCheckDeadlineMs = 30000;

// Whether an HTTP status sends the request elsewhere (with a Location).
bool IsRedirectStatus(unsigned long status);
// Whether a redirect's address may be followed: http and https only (WinINet
// would follow ftp: and others as well).
bool IsFollowableAddress(const std::wstring& url);

// How long the next step of the check may take: each step at most `stepMs`,
// all of them together ending at the deadline; 0 once it has passed.
unsigned StepTimeoutMs(unsigned long long elapsedMs, unsigned stepMs);
