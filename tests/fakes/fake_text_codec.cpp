#include "fakes/fake_text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace quorvane::fakes {
namespace {

// Converts with iconv; an unconvertible character becomes '?' as the Windows conversion does.
std::string convert(std::string_view in, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    std::string out;
    char buffer[256];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            out.push_back('?');
            // Skip one whole UTF-8 sequence (or one byte of anything else).
            size_t skip = 1;
            while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
            src += skip;
            srcLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string FakeTextCodec::fromUtf8(std::string_view utf8, CodePage) const { return convert(utf8, "GBK", "UTF-8"); }

std::string FakeTextCodec::toUtf8(std::string_view bytes, CodePage) const { return convert(bytes, "UTF-8", "GBK"); }

}  // namespace quorvane::fakes
