#include "hints/hint_words_file.h"

#include <algorithm>
#include <utility>

namespace quorvane::hints {
namespace {

using Kind = HintFileProblem::Kind;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

unsigned char byteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// GBK's shape as code page 936 has it: ASCII or 80 (the euro sign) alone, or
// a lead byte 81-FE followed by a trail byte 40-FE other than 7F.
bool isGbk(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char lead = byteAt(text, i);
        if (lead <= 0x80) continue;
        if (lead == 0xFF || i + 1 == text.size()) return false;
        const unsigned char trail = byteAt(text, ++i);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    }
    return true;
}

// The lines of the text, a final line break ending the last line rather
// than starting an empty one; CR LF counts as one break.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

int firstLineFailing(std::string_view text, bool (*valid)(std::string_view)) {
    const std::vector<std::string_view> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!valid(lines[i])) return static_cast<int>(i) + 1;
    return static_cast<int>(lines.size());
}

std::size_t questionMarks(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '?'));
}

// The conversion turns a pair the code page does not define into '?'.
bool convertsWhole(std::string_view gbk, const std::string& utf8) {
    return questionMarks(utf8) == questionMarks(gbk);
}

// A GBK text as UTF-8; nullopt with the line that holds an undefined pair.
std::optional<std::string> gbkToUtf8(std::string_view text, const TextCodec& codec, int& badLine) {
    std::string utf8 = codec.toUtf8(text, CodePage::Gbk);
    if (convertsWhole(text, utf8)) return utf8;
    const std::vector<std::string_view> lines = splitLines(text);
    badLine = static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!convertsWhole(lines[i], codec.toUtf8(lines[i], CodePage::Gbk))) {
            badLine = static_cast<int>(i) + 1;
            break;
        }
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool hasControlCharacter(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t') || byte == 0x7F;
    });
}

HintFileContent refused(Kind kind, int line) {
    HintFileContent content;
    content.problem = HintFileProblem{kind, line};
    return content;
}

}  // namespace

HintFileContent readHintWords(std::string_view bytes, const TextCodec& codec) {
    if (bytes.size() > kMaxHintFileBytes) return refused(Kind::TooBig, 0);
    const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (marked) bytes.remove_prefix(kByteOrderMark.size());

    std::string text;
    if (isUtf8(bytes)) {
        text = std::string(bytes);
    } else if (marked) {
        // The mark says UTF-8: the file is broken, not GBK.
        return refused(Kind::NotText, firstLineFailing(bytes, isUtf8));
    } else if (!isGbk(bytes)) {
        return refused(Kind::NotText, firstLineFailing(bytes, isGbk));
    } else {
        int badLine = 0;
        std::optional<std::string> converted = gbkToUtf8(bytes, codec, badLine);
        if (!converted) return refused(Kind::NotText, badLine);
        text = std::move(*converted);
    }

    HintFileContent content;
    const std::vector<std::string_view> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        if (hasControlCharacter(line)) return refused(Kind::NotText, number);
        const std::size_t tab = line.find('\t');
        const std::string_view word = trimmed(line.substr(0, tab));
        const std::string_view description =
            tab == std::string_view::npos ? std::string_view() : trimmed(line.substr(tab + 1));
        if (word.empty() && description.empty()) {
            ++content.blankLines;
            continue;
        }
        if (word.empty()) return refused(Kind::NoWord, number);
        if (characters(word) > kMaxHintCharacters || characters(description) > kMaxHintCharacters)
            return refused(Kind::TooLong, number);
        content.words.push_back({std::string(word), std::string(description)});
    }
    return content;
}

std::string hintKey(std::string_view word) {
    std::string key(word);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::vector<store::HintWord> unseenHintWords(std::vector<store::HintWord> words,
                                             std::unordered_set<std::string>& seen) {
    std::vector<store::HintWord> unseen;
    unseen.reserve(words.size());
    for (store::HintWord& hint : words)
        if (seen.insert(hintKey(hint.word)).second) unseen.push_back(std::move(hint));
    return unseen;
}

std::vector<store::HintWord> starterHintWords(std::string_view text, const TextCodec& codec) {
    HintFileContent content = readHintWords(text, codec);
    if (content.problem) return {};
    std::unordered_set<std::string> seen;
    return unseenHintWords(std::move(content.words), seen);
}

}  // namespace quorvane::hints
