#include "model/gbk_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace brontel {
namespace {

// One iconv conversion, replacing what cannot be converted and going on.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string run(std::string_view in, std::string_view replacement,
                    std::size_t (*skipLength)(std::string_view)) const {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        out.reserve(in.size() * 2);
        char buffer[256];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                out.append(replacement);
                in.remove_prefix(std::min(in.size(), skipLength(in)));
            }
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return out;
    }

private:
    iconv_t cd_;
};

std::size_t utf8SequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s.front());
    std::size_t length = 1;
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    // A malformed sequence is skipped one byte at a time.
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

std::size_t gbkSequenceLength(std::string_view s) {
    return static_cast<unsigned char>(s.front()) >= 0x81 && s.size() >= 2 ? 2 : 1;
}

const Converter& utf8ToGbk() {
    thread_local const Converter converter("GBK", "UTF-8");
    return converter;
}

const Converter& gbkToUtf8() {
    thread_local const Converter converter("UTF-8", "GBK");
    return converter;
}

}  // namespace

std::string toGbk(std::string_view utf8) { return utf8ToGbk().run(utf8, "?", utf8SequenceLength); }

std::string fromGbk(std::string_view gbk) {
    return gbkToUtf8().run(gbk, "\xEF\xBF\xBD", gbkSequenceLength);
}

std::size_t gbkByteLength(std::string_view utf8) { return toGbk(utf8).size(); }

std::string truncateToGbkBytes(std::string_view utf8, std::size_t limit) {
    std::size_t used = 0;
    std::size_t end = 0;
    while (end < utf8.size()) {
        const std::size_t length = utf8SequenceLength(utf8.substr(end));
        used += toGbk(utf8.substr(end, length)).size();
        if (used > limit) break;
        end += length;
    }
    return std::string(utf8.substr(0, end));
}

std::string normaliseFullWidth(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x81 || i + 1 >= gbk.size()) {
            out.push_back(gbk[i++]);
            continue;
        }
        const auto trail = static_cast<unsigned char>(gbk[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out.push_back(static_cast<char>(trail - 0x80));
        } else if (lead == 0xA1 && trail == 0xA1) {
            out.push_back(' ');
        } else if (lead == 0xA1 && trail == 0xAB) {
            out.push_back('~');
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out.push_back('*');
        } else {
            out.append(gbk.substr(i, 2));
        }
        i += 2;
    }
    return out;
}

}  // namespace brontel
