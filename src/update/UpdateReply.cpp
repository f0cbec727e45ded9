#include "update/UpdateReply.h"

#include <cstring>

std::string UpdateQueryUrl(const std::string& host, const std::string& version)
{
    return "http://" + host + "/melkbay/tavorin.php?auto_update=1&ver=" + version;
}

std::string DownloadPageUrl(const std::string& host, const std::string& version)
{
    return "http://" + host + "/melkbay/tavorin.php?ver=" + version;
}

bool ReplyLineReader::Feed(const char* data, std::size_t size)
{
    for (std::size_t i = 0; i < size && !m_bComplete; ++i) {
        ++m_nTaken;
        const char c = data[i];
        if (c == '\n') {
            m_bComplete = true;
        } else {
            if (c != '\r') m_strLine += c;
            // A longer first line is cut here; the rest of the body is not read.
            if (m_nTaken == kMaxReplyLineBytes) m_bComplete = true;
        }
    }
    return !m_bComplete;
}

bool IsRedirectStatus(unsigned long status)
{
    switch (status) {
    case 301: case 302: case 303: case 307: case 308:
        return true;
    default:
        return false;
    }
}

unsigned StepTimeoutMs(unsigned long long elapsedMs, unsigned stepMs)
{
    if (elapsedMs >= kCheckDeadlineMs) return 0;
    const unsigned long long left = kCheckDeadlineMs - elapsedMs;
    return left < stepMs ? static_cast<unsigned>(left) : stepMs;
}

UpdateReply ParseUpdateReply(const std::string& line)
{
    if (line == kUpdateNotice) return {UpdateReplyKind::NewVersion, {}};
    const std::size_t prefix = std::strlen(kMessagePrefix);
    if (line.compare(0, prefix, kMessagePrefix) == 0) return {UpdateReplyKind::Message, line.substr(prefix)};
    return {UpdateReplyKind::Nothing, {}};
}

bool IsFollowableAddress(const std::wstring& url)
{
    const auto startsWith = [&url](const std::wstring& scheme) {
        if (url.size() < scheme.size()) return false;
        for (std::size_t i = 0; i < scheme.size(); ++i) {
            const wchar_t c = url[i] >= L'A' && url[i] <= L'Z' ? static_cast<wchar_t>(url[i] - L'A' + L'a') : url[i];
            if (c != scheme[i]) return false;
        }
        return true;
    };
    return startsWith(L"http://") || startsWith(L"https://");
}
