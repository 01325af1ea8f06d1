#pragma once
// The clipboard as a snapshot, with delayed rendering: an offered text is
// "taken" only when some program pastes it (paste()), as a real owner learns
// from the render request. Every call is recorded with its time.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"

namespace quorvane::fakes {

class FakeClipboard : public Clipboard {
public:
    // Format ids as the Windows clipboard numbers them.
    static constexpr std::uint32_t kText = 1;    // CF_TEXT
    static constexpr std::uint32_t kBitmap = 2;  // CF_BITMAP

    enum class CallKind { Save, Restore, Offer };
    struct Call {
        CallKind kind;
        std::uint32_t at;
    };

    explicit FakeClipboard(Clock* clock = nullptr) : clock_(clock) {}

    static ClipboardSnapshot::Format format(std::uint32_t id, const std::string& bytes) {
        return {id, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
    }
    static ClipboardSnapshot holding(std::vector<ClipboardSnapshot::Format> formats) {
        return {std::move(formats)};
    }

    ClipboardSnapshot save() override {
        calls.push_back({CallKind::Save, now()});
        return openFails ? ClipboardSnapshot{} : content;
    }
    void restore(const ClipboardSnapshot& snapshot) override {
        calls.push_back({CallKind::Restore, now()});
        if (openFails) return;
        content = snapshot;
        offered_.reset();
    }
    bool offerText(const std::string& utf8, const ClipboardSnapshot& userContent) override {
        putBackOnExit = userContent;
        calls.push_back({CallKind::Offer, now()});
        if (openFails) return false;
        content = holding({format(kText, utf8)});
        offered_ = utf8;
        taken_ = false;
        return true;
    }
    bool offeredTextTaken() override { return taken_; }

    // A program pastes now: it gets the offered text while the offer stands,
    // otherwise whatever text the clipboard holds.
    std::string paste() {
        std::string text;
        if (offered_) {
            taken_ = true;
            text = *offered_;
        } else {
            for (const auto& f : content.formats) {
                if (f.id == kText) text.assign(f.bytes.begin(), f.bytes.end());
            }
        }
        pastes.push_back(text);
        return text;
    }

    int count(CallKind kind) const {
        int n = 0;
        for (const auto& c : calls) n += c.kind == kind ? 1 : 0;
        return n;
    }
    std::optional<std::uint32_t> lastTime(CallKind kind) const {
        std::optional<std::uint32_t> at;
        for (const auto& c : calls) {
            if (c.kind == kind) at = c.at;
        }
        return at;
    }

    ClipboardSnapshot content;
    // What the last offer would leave on the clipboard if the program ended under it.
    ClipboardSnapshot putBackOnExit;
    // The clipboard is held by another program: nothing can be read or written.
    bool openFails = false;
    std::vector<Call> calls;
    // What each paste() got, in order.
    std::vector<std::string> pastes;

private:
    std::uint32_t now() { return clock_ ? clock_->tickCount() : 0; }

    Clock* clock_;
    std::optional<std::string> offered_;
    bool taken_ = false;
};

}  // namespace quorvane::fakes
