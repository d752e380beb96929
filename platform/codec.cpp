#include "platform/codec.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv, replacing what cannot be converted by `bad` and going on.
std::string convert(const char* to, const char* from, const std::string& in, const std::string& bad,
                    size_t skip_unit) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return in;
    std::string out;
    char buf[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, dst - buf);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: replace the offending unit and go on.
            size_t n = skip_unit;
            if (skip_unit == 0) { // a whole UTF-8 character
                const unsigned char c = static_cast<unsigned char>(*src);
                n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            }
            if (n > left) n = left;
            src += n;
            left -= n;
            out += bad;
        }
    }
    char* dst = buf;
    size_t room = sizeof buf;
    iconv(cd, nullptr, nullptr, &dst, &room);
    out.append(buf, dst - buf);
    iconv_close(cd);
    return out;
}

} // namespace

std::string to_sjis(const std::string& utf8) {
    return convert("CP932", "UTF-8", utf8, "?", 0);
}

std::string from_sjis(const std::string& sjis) {
    return convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD", 1);
}
