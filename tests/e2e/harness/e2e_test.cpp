#include "harness/e2e_test.h"

#include <iostream>

namespace quorvane::e2e {

QuorvaneApp& E2eTest::app() {
    if (!app_) {
        std::filesystem::create_directory(dir_ / "app");
        app_.emplace(dir_ / "app");
    }
    return *app_;
}

HWND E2eTest::startPanel() {
    app().start();
    return app().waitForPanel();
}

FakeIde& E2eTest::startFakeIde(FakeIdeOptions options) {
    std::filesystem::create_directory(dir_ / "ide");
    ide_ = std::make_unique<FakeIde>(dir_ / "ide", options);
    return *ide_;
}

void E2eTest::TearDown() {
    if (app_) app_->process().kill();
    if (ide_) ide_->process().kill();
    if (HasFailure()) {
        dir_.keep();
        std::cout << "[ files    ] kept in " << narrow(dir_.path().wstring()) << "\n";
    }
}

}  // namespace quorvane::e2e
