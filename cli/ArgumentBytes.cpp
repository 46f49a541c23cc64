#include "ArgumentBytes.h"

#include <cstring>

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

// The length of the valid UTF-8 sequence that starts at s, or 0: overlong
// forms, surrogates and code points past U+10FFFF are not valid.
int SequenceLength(const unsigned char* s, const unsigned char* end)
{
    struct Form {
        unsigned char mask, lead;
        int length;
        char32_t least;
    };
    static constexpr Form kForms[] = {{0x80, 0x00, 1, 0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800},
                                      {0xF8, 0xF0, 4, 0x10000}};
    for (const Form& form : kForms) {
        if ((s[0] & form.mask) != form.lead)
            continue;
        if (end - s < form.length)
            return 0;
        char32_t code = s[0] & static_cast<unsigned char>(~form.mask);
        for (int i = 1; i < form.length; ++i) {
            if ((s[i] & 0xC0) != 0x80)
                return 0;
            code = code << 6 | (s[i] & 0x3F);
        }
        const bool valid = code >= form.least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        return valid ? form.length : 0;
    }
    return 0;
}

QString DecodeWord(const char* word)
{
    const auto* s = reinterpret_cast<const unsigned char*>(word);
    const unsigned char* end = s + std::strlen(word);
    QString text;
    while (s < end) {
        const int length = SequenceLength(s, end);
        if (length > 0)
            text += QString::fromUtf8(reinterpret_cast<const char*>(s), length);
        else
            text += QChar(static_cast<char16_t>(kEscapedByte + *s));
        s += length > 0 ? length : 1;
    }
    return text;
}

} // namespace

namespace ArgumentBytes {

QStringList Decode(int argc, char** argv)
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << DecodeWord(argv[i]);
    return words;
}

std::string Path(const QString& word)
{
    std::string bytes;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c >= kEscapedByte + 0x80 && c <= kEscapedByte + 0xFF) {
            bytes += static_cast<char>(c - kEscapedByte);
            continue;
        }
        const qsizetype units = word[i].isHighSurrogate() && i + 1 < word.size() ? 2 : 1;
        bytes += QStringView(word).mid(i, units).toUtf8().toStdString();
        i += units - 1;
    }
    return bytes;
}

} // namespace ArgumentBytes
