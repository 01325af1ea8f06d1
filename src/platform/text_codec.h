#pragma once
#include <string>
#include <string_view>

namespace quorvane {

// The core keeps text as UTF-8. Bytes leave it in one of two code pages.
enum class CodePage {
    Ansi,  // the system's ANSI code page (936, GBK, on a Chinese system): typed characters
    Gbk,   // code page 936 whatever the system: the settings file on disk
};

class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Characters the code page lacks become '?', as the system conversion does.
    virtual std::string fromUtf8(std::string_view utf8, CodePage page) const = 0;
    virtual std::string toUtf8(std::string_view bytes, CodePage page) const = 0;
};

}  // namespace quorvane
