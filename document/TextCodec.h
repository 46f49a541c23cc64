#pragma once

#include <string>
#include <string_view>

// Converts note texts, font faces and line keys between UTF-8, which the
// program keeps in memory, and GBK (code page 936), which chart files hold.
// Nothing is dropped: a character that the target cannot hold becomes "?"
// and is counted, so that the caller can tell the user.
class CTextCodec {
public:
    // UTF-8 to GBK; every character GBK lacks (and every byte that is not
    // valid UTF-8) is written as "?" and added to *replaced when given.
    static std::string ToGbk(const std::string& utf8, int* replaced = nullptr);
    // GBK to UTF-8; a byte sequence that is not valid GBK becomes "?".
    static std::string FromGbk(const std::string& gbk);

    // ASCII without CR or LF: the same bytes in memory and in the file.
    static bool IsSameInFile(std::string_view text);

    // In memory a line break is LF; the strings of the file carry CR LF.
    static std::string ToCrLf(const std::string& text);
    // Appends text to out with every LF as CR LF.
    static void AppendCrLf(std::string_view text, std::string& out);
    static std::string ToLf(const std::string& text);
};
