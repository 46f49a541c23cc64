#include "TextCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace {

// One iconv conversion descriptor, closed when done. Opening one costs far
// more than converting a short string, so each thread keeps one per
// direction.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("no text conversion from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in; at each sequence the target cannot take (or the
    // source does not form) it writes "?" and skips `skip(rest)` bytes.
    template <typename Skip>
    std::string Run(const std::string& in, int* replaced, Skip skip)
    {
        std::string out;
        char buffer[256];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1) || errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a sequence cut short at the end): replace it.
            const size_t n = std::min(left, skip(src, left));
            src += n;
            left -= n;
            out += '?';
            if (replaced)
                ++*replaced;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence starting at s, 1 for a stray byte.
size_t Utf8Length(const char* s, size_t left)
{
    const auto lead = static_cast<unsigned char>(s[0]);
    size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (size_t i = 1; i < n; ++i)
        if (i >= left || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return i;
    return n;
}

// A GBK byte that cannot start a valid sequence is skipped alone; a lead
// byte with a bad trail is skipped with it only when the trail is not ASCII,
// so that a following digit or letter survives.
size_t GbkLength(const char* s, size_t left)
{
    const auto lead = static_cast<unsigned char>(s[0]);
    if (lead < 0x81 || lead == 0xFF || left < 2)
        return 1;
    return static_cast<unsigned char>(s[1]) >= 0x80 ? 2 : 1;
}

// ASCII is the same in UTF-8 and GBK, and most strings of a chart file are
// ASCII only: they need no conversion.
bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

bool CTextCodec::IsSameInFile(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && c != '\r' && c != '\n';
    });
}

std::string CTextCodec::ToGbk(const std::string& utf8, int* replaced)
{
    if (IsAscii(utf8))
        return utf8;
    thread_local Converter cd("CP936", "UTF-8");
    return cd.Run(utf8, replaced, Utf8Length);
}

std::string CTextCodec::FromGbk(const std::string& gbk)
{
    if (IsAscii(gbk))
        return gbk;
    thread_local Converter cd("UTF-8", "CP936");
    return cd.Run(gbk, nullptr, GbkLength);
}

std::string CTextCodec::ToCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    AppendCrLf(text, out);
    return out;
}

void CTextCodec::AppendCrLf(std::string_view text, std::string& out)
{
    for (size_t from = 0; from < text.size();) {
        const size_t lf = std::min(text.find('\n', from), text.size());
        out.append(text.substr(from, lf - from));
        if (lf < text.size())
            out += "\r\n";
        from = lf + 1;
    }
}

std::string CTextCodec::ToLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t from = 0; from < text.size();) {
        const size_t crlf = std::min(text.find("\r\n", from), text.size());
        out.append(text, from, crlf - from);
        if (crlf < text.size())
            out += '\n';
        from = crlf + 2;
    }
    return out;
}
