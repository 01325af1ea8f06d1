#pragma once
// Records every delivery a sender asks for, instead of delivering it.
#include <string>
#include <vector>

#include "editor_link/text_deliverer.h"

namespace quorvane::fakes {

class FakeTextDeliverer : public editor_link::TextDeliverer {
public:
    struct Delivery {
        std::string text;
        editor_link::DeliveryMode mode;
        friend bool operator==(const Delivery&, const Delivery&) = default;
    };

    void deliverText(const std::string& text,
                     editor_link::DeliveryMode mode = editor_link::DeliveryMode::Paste) override {
        deliveries.push_back({text, mode});
    }

    std::vector<Delivery> deliveries;
};

}  // namespace quorvane::fakes
