#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brontel {

// Texts live as UTF-8 inside the product, but every length limit the user meets counts
// bytes of the Chinese code page GBK, as the exported designs have always been measured.

// UTF-8 to GBK. A character GBK cannot hold, or a malformed UTF-8 byte, becomes '?'.
std::string toGbk(std::string_view utf8);

// GBK to UTF-8. A byte pair that is not GBK becomes U+FFFD.
std::string fromGbk(std::string_view gbk);

std::size_t gbkByteLength(std::string_view utf8);

// The longest prefix of the text, cut between characters, that fits in the byte limit.
std::string truncateToGbkBytes(std::string_view utf8, std::size_t limit);

// Full-width ASCII, the ideographic space, the wave dash and the two stars become their
// single-byte forms, so that "１２" reads as the number 12.
std::string normaliseFullWidth(std::string_view gbk);

}  // namespace brontel
