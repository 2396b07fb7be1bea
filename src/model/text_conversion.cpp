#include "model/text_conversion.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

#include "model/gbk_text.h"

namespace brontel {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view skipBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::size_t countDigits(std::string_view s, std::size_t from) {
    std::size_t i = from;
    while (i < s.size() && isDigit(s[i])) ++i;
    return i - from;
}

// The longest prefix that reads as a decimal number, with "d" exponents spelt "e".
std::string numberPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t intDigits = countDigits(s, i);
    i += intDigits;
    std::size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        fracDigits = countDigits(s, i + 1);
        i += 1 + fracDigits;
    }
    if (intDigits + fracDigits == 0) return {};
    std::string number(s.substr(0, i));
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expDigits = countDigits(s, j);
        if (expDigits > 0) number += "e" + std::string(s.substr(i + 1, j + expDigits - i - 1));
    }
    return number;
}

// Decimal reading independent of the user's locale (which may use a decimal comma).
double parseDecimal(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

std::string_view normalisedView(std::string_view utf8, std::string& storage) {
    storage = normaliseFullWidth(toGbk(utf8));
    return skipBlanks(storage);
}

}  // namespace

double textToNumber(std::string_view utf8) {
    std::string storage;
    const std::string number = numberPrefix(normalisedView(utf8, storage));
    return number.empty() ? 0.0 : parseDecimal(number);
}

std::int32_t textToInteger(std::string_view utf8) {
    std::string storage;
    std::string_view s = normalisedView(utf8, storage);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::uint32_t value = 0;
    for (const char c : s) {
        if (!isDigit(c)) break;
        value = value * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::string numberToText(std::int64_t value) { return std::to_string(value); }

std::int32_t truncateToPixels(double value) {
    if (std::isnan(value)) return 0;
    const double truncated = std::trunc(value);
    if (truncated <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (truncated >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(truncated);
}

}  // namespace brontel
