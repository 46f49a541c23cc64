#pragma once

#include <string>
#include <vector>

// The interface texts of the Qt-free code. A text's Chinese wording is its key
// in the translation files, under a context named for its source; lupdate
// reads UI_TEXT_NOOP as QT_TRANSLATE_NOOP and UiText as translate. The window
// installs a translator; without one (the command-line tool, files written)
// the Chinese text stays.
#define UI_TEXT_NOOP(context, text) text

using UiTranslator = std::string (*)(const char* context, const char* text);

void SetUiTranslator(UiTranslator translator);

// The text in the interface's language.
std::string UiText(const char* context, const char* text);

// pattern with each %1 to %9 replaced by that argument in one pass, so that
// an argument's own "%2" stays as it is.
std::string FillIn(const std::string& pattern, const std::vector<std::string>& args);
