#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

// Everything the clipboard held, as far as it could be copied: one entry per
// format, in the order the clipboard listed them. Opaque to the core.
struct ClipboardSnapshot {
    struct Format {
        std::uint32_t id = 0;
        std::vector<std::uint8_t> bytes;
        friend bool operator==(const Format&, const Format&) = default;
    };
    std::vector<Format> formats;
    friend bool operator==(const ClipboardSnapshot&, const ClipboardSnapshot&) = default;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Copies every format that can be copied. Empty when the clipboard
    // could not be opened or held nothing.
    virtual ClipboardSnapshot save() = 0;
    // Makes the clipboard hold exactly the snapshot (nothing for an empty one).
    virtual void restore(const ClipboardSnapshot& snapshot) = 0;
    // Offers `utf8` as the clipboard's only text, rendered only when a program
    // asks for it. Should the program end while the offer still stands,
    // `userContent` goes back on the clipboard instead. False when the
    // clipboard could not be opened.
    virtual bool offerText(const std::string& utf8, const ClipboardSnapshot& userContent) = 0;
    // True once a program has asked for the text of the last offer.
    virtual bool offeredTextTaken() = 0;
};

}  // namespace quorvane
