#include "settings/ini_file.h"

#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "settings/file_io.h"
#include "settings/ini_text.h"

namespace quorvane::settings {
namespace {

// The platform reads a value into a 10240-byte buffer, terminating zero included.
constexpr std::size_t kMaxValueBytes = 10239;

// The file is parsed as GBK bytes, never decoded as a whole: a line the program
// does not touch goes back to disk byte for byte, even when it is not valid GBK.
// CR and LF are never trail bytes in GBK, so splitting lines on bytes is safe.
std::size_t gbkCharLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x81 || lead == 0xFF || at + 1 >= bytes.size()) return 1;
    const auto trail = static_cast<unsigned char>(bytes[at + 1]);
    return (trail >= 0x40 && trail != 0x7F && trail != 0xFF) ? 2 : 1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Blanks are single-byte and never GBK trail bytes, so trimming bytes is safe.
std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters fold; the bytes of a double-byte character never do, even when
// a trail byte happens to be a letter.
bool sameName(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t lengthA = gbkCharLength(a, i);
        const std::size_t lengthB = gbkCharLength(b, j);
        if (lengthA != lengthB) return false;
        if (lengthA == 1) {
            if (asciiLower(a[i]) != asciiLower(b[j])) return false;
        } else if (a.substr(i, 2) != b.substr(j, 2)) {
            return false;
        }
        i += lengthA;
        j += lengthB;
    }
    return i == a.size() && j == b.size();
}

// Finds a single-byte character, skipping double-byte characters whole.
std::size_t findByte(std::string_view bytes, char wanted) {
    for (std::size_t i = 0; i < bytes.size(); i += gbkCharLength(bytes, i)) {
        if (bytes[i] == wanted) return i;
    }
    return std::string_view::npos;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

// The platform drops one pair of quotes around a value when reading it.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A value that reading would change (blanks at its ends, its own quotes) is
// stored between quotes, so it reads back as written.
std::string quoteIfNeeded(std::string value) {
    const bool changedByReading = !value.empty() && (isBlank(value.front()) || isBlank(value.back()) ||
                                                     unquote(value).size() != value.size());
    return changedByReading ? '"' + value + '"' : value;
}

std::string_view cutValue(std::string_view value) {
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t length = gbkCharLength(value, end);
        if (end + length > kMaxValueBytes) break;
        end += length;
    }
    return value.substr(0, end);
}

struct Line {
    std::string_view text;    // without its line end
    std::string_view ending;  // "\r\n", "\n", "\r" or empty for an unterminated last line
};

// Editors end lines with CR LF, LF or a lone CR; each ends a line here.
std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({bytes.substr(start), {}});
            break;
        }
        const std::size_t endLength = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({bytes.substr(start, end - start), bytes.substr(end, endLength)});
        start = end + endLength;
    }
    return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t valueBegin = 0;  // offsets of the trimmed value within the line
    std::size_t valueEnd = 0;
};

ParsedLine parseLine(std::string_view text) {
    ParsedLine parsed;
    const std::string_view body = trim(text);
    if (body.empty() || body.front() == ';') return parsed;
    if (body.front() == '[') {
        // A header missing its ']' still opens a section, so the keys under it
        // are never taken for keys of the section before.
        const std::string_view inside = body.substr(1);
        parsed.kind = LineKind::Section;
        parsed.name = trim(inside.substr(0, findByte(inside, ']')));
        return parsed;
    }
    const std::size_t equals = text.find('=');  // '=' is never a GBK trail byte
    if (equals == std::string_view::npos) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = trim(text.substr(0, equals));
    const std::string_view value = trim(text.substr(equals + 1));
    parsed.valueBegin = value.empty() ? text.size() : static_cast<std::size_t>(value.data() - text.data());
    parsed.valueEnd = parsed.valueBegin + value.size();
    return parsed;
}

struct Lookup {
    std::optional<std::size_t> keyLine;
    // The last key line of the first matching section, or its header: where a new key goes.
    std::optional<std::size_t> insertAfter;
    ParsedLine key;
};

// Keys of a section that appears twice are found in either; the first one wins.
Lookup findKey(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Lookup found;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines[i].text);
        if (parsed.kind == LineKind::Section) {
            inSection = sameName(parsed.name, section);
            inFirstSection = inSection && !found.insertAfter;
            if (inFirstSection) found.insertAfter = i;
        } else if (parsed.kind == LineKind::Key && inSection) {
            if (sameName(parsed.name, key)) {
                found.keyLine = i;
                found.key = parsed;
                return found;
            }
            if (inFirstSection) found.insertAfter = i;
        }
    }
    return found;
}

enum class LoadResult { Loaded, Missing, Failed };

LoadResult loadFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return LoadResult::Missing;
    if (error || status.type() != std::filesystem::file_type::regular) return LoadResult::Failed;
    std::ifstream in(path, std::ios::binary);
    if (!in) return LoadResult::Failed;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? LoadResult::Failed : LoadResult::Loaded;
}

// Temporaries are named after the file: "mlkpz.ini.tmp" and a number.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr int kTemporaryNames = 100;

std::filesystem::path temporaryName(const std::filesystem::path& path, int number) {
    std::filesystem::path temporary = path;
    temporary += std::string(kTemporaryMark) + std::to_string(number);
    return temporary;
}

bool isTemporaryOf(const std::filesystem::path& candidate, const std::filesystem::path& path) {
    const std::u8string name = candidate.filename().u8string();
    std::u8string prefix = path.filename().u8string();
    prefix.append(kTemporaryMark.begin(), kTemporaryMark.end());
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (name[i] < u8'0' || name[i] > u8'9') return false;
    return true;
}

bool pathTaken(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

// Writes the whole file beside the old one, on the disk, then renames it over,
// so the old file is either untouched or wholly replaced.
bool replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 std::optional<std::filesystem::perms> permissions) {
    // A name left taken by a writer that was killed is skipped; the temporary
    // is created exclusively, so no two writers ever share one.
    std::filesystem::path temporary;
    for (int number = 1; number <= kTemporaryNames && temporary.empty(); ++number) {
        if (!pathTaken(temporaryName(path, number))) temporary = temporaryName(path, number);
    }
    if (temporary.empty() || !writeNewFile(temporary, bytes)) return false;
    std::error_code error;
    // Renaming would otherwise give the file the temporary's default rights.
    if (permissions) std::filesystem::permissions(temporary, *permissions, error);
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

// Where a write goes: the file that symbolic links lead to, so that replacing
// it keeps the links. A loop of links is left as it is, and reading it fails.
std::filesystem::path linkTarget(const std::filesystem::path& path) {
    constexpr int kMaxLinks = 40;
    std::filesystem::path target = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) return target;
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) return target;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

std::filesystem::path lockPathFor(const std::filesystem::path& target) {
    std::filesystem::path lock = target;
    lock += ".lock";
    return lock;
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Texts that would not read back as the same section, key and value: they
// would inject lines or land somewhere else, so they are refused.
bool writable(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos) return false;
    if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos) return false;
    if (key.front() == ';' || key.front() == '[') return false;
    return !hasLineBreak(value);
}

}  // namespace

IniFile::IniFile(std::filesystem::path path, const TextCodec& codec, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), codec_(codec), lockWait_(lockWait) {}

std::string IniFile::read(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const {
    std::string bytes;
    if (loadFile(path_, bytes) != LoadResult::Loaded) return std::string(defaultValue);
    const std::string gbkSection = codec_.fromUtf8(trim(section), CodePage::Gbk);
    const std::string gbkKey = codec_.fromUtf8(trim(key), CodePage::Gbk);
    if (gbkSection.empty() || gbkKey.empty()) return std::string(defaultValue);

    const GbkText text = toGbkText(bytes, codec_);
    const std::vector<Line> lines = splitLines(text.bytes);
    const Lookup found = findKey(lines, gbkSection, gbkKey);
    if (!found.keyLine) return std::string(defaultValue);
    const std::string_view line = lines[*found.keyLine].text;
    const std::string_view value =
        line.substr(found.key.valueBegin, found.key.valueEnd - found.key.valueBegin);
    return codec_.toUtf8(cutValue(unquote(value)), CodePage::Gbk);
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    section = trim(section);
    key = trim(key);
    if (!writable(section, key, value)) return false;
    const std::string gbkSection = codec_.fromUtf8(section, CodePage::Gbk);
    const std::string gbkKey = codec_.fromUtf8(key, CodePage::Gbk);
    const std::string gbkValue = codec_.fromUtf8(value, CodePage::Gbk);
    // A character GBK lacks would be stored as '?': refuse rather than store another text.
    if (codec_.toUtf8(gbkValue, CodePage::Gbk) != value || codec_.toUtf8(gbkKey, CodePage::Gbk) != key ||
        codec_.toUtf8(gbkSection, CodePage::Gbk) != section) {
        return false;
    }
    // What a read could not return in full is not written.
    if (gbkValue.size() > kMaxValueBytes) return false;

    // The whole read-modify-replace under one lock: two writers each adding a
    // key would otherwise both start from the same old file, and one key be lost.
    const std::filesystem::path target = linkTarget(path_);
    const std::optional<FileLock> lock = FileLock::acquire(lockPathFor(target), lockWait_);
    if (!lock) return false;

    std::string old;
    std::optional<std::filesystem::perms> permissions;
    switch (loadFile(target, old)) {
        case LoadResult::Failed:
            // Rewriting a file we could not read would lose everything else in it.
            return false;
        case LoadResult::Missing:
            break;
        case LoadResult::Loaded: {
            std::error_code error;
            permissions = std::filesystem::status(target, error).permissions();
            // A read-only file stays as it is, as the platform's own writer leaves it.
            if (error ||
                (*permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
                return false;
            }
            break;
        }
    }

    // Written back whole in GBK, the file's own format; text GBK cannot hold
    // (from a UTF-8 or UTF-16 file) would be lost, so such a file is left alone.
    const GbkText text = toGbkText(old, codec_);
    if (!text.exact) return false;
    const std::vector<Line> lines = splitLines(text.bytes);
    const Lookup found = findKey(lines, gbkSection, gbkKey);
    const std::string storedValue = quoteIfNeeded(gbkValue);
    const std::string keyLine = gbkKey + "=" + storedValue + "\r\n";

    std::string updated;
    updated.reserve(text.bytes.size() + keyLine.size() + gbkSection.size() + 4);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (found.keyLine == i) {
            // Keeps the key as the file spells it, and the spacing before the value.
            updated.append(line.text.substr(0, found.key.valueBegin));
            updated.append(storedValue);
            updated.append(line.ending);
            continue;
        }
        updated.append(line.text);
        if (!found.keyLine && found.insertAfter == i) {
            updated.append(line.ending.empty() ? std::string_view("\r\n") : line.ending);
            updated.append(keyLine);
        } else {
            updated.append(line.ending);
        }
    }
    if (!found.keyLine && !found.insertAfter) {
        if (!lines.empty() && lines.back().ending.empty()) updated.append("\r\n");
        updated.append("[" + gbkSection + "]\r\n");
        updated.append(keyLine);
    }
    return replaceFile(target, updated, permissions);
}

int IniFile::removeStaleTemporaries() {
    const std::filesystem::path target = linkTarget(path_);
    const std::optional<FileLock> lock = FileLock::acquire(lockPathFor(target), lockWait_);
    if (!lock) return 0;
    std::vector<std::filesystem::path> stale;
    std::error_code error;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (isTemporaryOf(it->path(), target) &&
            it->symlink_status(typeError).type() == std::filesystem::file_type::regular)
            stale.push_back(it->path());
    }
    int removed = 0;
    for (const std::filesystem::path& file : stale) {
        std::error_code removeError;
        if (std::filesystem::remove(file, removeError)) ++removed;
    }
    return removed;
}

}  // namespace quorvane::settings
