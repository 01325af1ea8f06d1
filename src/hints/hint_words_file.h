#pragma once
// A text file of hint words: one word a line, optionally a tab and its
// description. UTF-8, with or without a byte order mark, or GBK. A file that
// breaks a rule is refused as a whole, at the first line that breaks one.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/text_codec.h"
#include "store/library_file.h"

namespace quorvane::hints {

inline constexpr std::size_t kMaxHintFileBytes = 16u * 1024u * 1024u;
// Characters of a word, and of a description: what the entry window takes.
inline constexpr std::size_t kMaxHintCharacters = 100;

struct HintFileProblem {
    enum class Kind {
        TooBig,   // over kMaxHintFileBytes; no line
        NotText,  // bytes that are neither UTF-8 nor GBK, or control characters
        TooLong,  // a word or description over kMaxHintCharacters
        NoWord,   // a description without a word
    };
    Kind kind = Kind::NotText;
    int line = 0;  // from 1
    friend bool operator==(const HintFileProblem&, const HintFileProblem&) = default;
};

struct HintFileContent {
    // In file order, trimmed, repeats included.
    std::vector<store::HintWord> words;
    // Lines holding nothing but blanks.
    int blankLines = 0;
    // Set when the file is refused; then nothing else is filled.
    std::optional<HintFileProblem> problem;
};

HintFileContent readHintWords(std::string_view bytes, const TextCodec& codec);

// What the library's = compares: the word with ASCII letters in lower case,
// as the NOCASE column folds them.
std::string hintKey(std::string_view word);

// The words whose keys are not in `seen` yet, in order; each key taken is
// added to `seen`, so a word repeated later in the list is left out too.
std::vector<store::HintWord> unseenHintWords(std::vector<store::HintWord> words,
                                             std::unordered_set<std::string>& seen);

// The words a new library starts with, from the list the program carries
// (readHintWords' format), each once. Empty when the list is refused: the
// list is the program's own, and a library without it still works.
std::vector<store::HintWord> starterHintWords(std::string_view text, const TextCodec& codec);

}  // namespace quorvane::hints
