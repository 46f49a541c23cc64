#include "UiText.h"

namespace {

UiTranslator g_translator = nullptr;

} // namespace

void SetUiTranslator(UiTranslator translator)
{
    g_translator = translator;
}

std::string UiText(const char* context, const char* text)
{
    return g_translator ? g_translator(context, text) : std::string(text);
}

std::string FillIn(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size() && n < 9) {
            result += args[n];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}
