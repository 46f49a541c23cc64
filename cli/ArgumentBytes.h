#pragma once

#include <QString>
#include <QStringList>

#include <string>

// The words of the command line are byte strings, not always UTF-8. They are
// decoded as UTF-8 with each byte that is no part of a valid sequence kept
// as a lone surrogate (U+DC80 to U+DCFF), so that a file name in any
// encoding names the same file when its bytes are taken back.
namespace ArgumentBytes {

QStringList Decode(int argc, char** argv);

// The bytes of a word that Decode gave: the path of a file as the user typed it.
std::string Path(const QString& word);

} // namespace ArgumentBytes
