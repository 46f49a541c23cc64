#pragma once

#include <string>
#include <string_view>

// The encodings price files come in, recognised from the bytes: UTF-8 with
// or without its byte order mark, UTF-16 with one, and GBK (what Chinese
// trading software writes), taken when the bytes are not UTF-8.
namespace BarEncoding {

// The text of bytes as UTF-8, without a byte order mark: a view into bytes
// where they are UTF-8 already, else into storage, which holds the conversion.
std::string_view ToUtf8(std::string_view bytes, std::string& storage);

} // namespace BarEncoding
