#pragma once
// The fixture every end-to-end test starts from: a fresh directory, and the
// programs it starts killed at the end whatever happened.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "harness/clipboard.h"
#include "harness/fake_ide.h"
#include "harness/files.h"
#include "harness/input.h"
#include "harness/library_seed.h"
#include "harness/quorvane_app.h"
#include "harness/text.h"
#include "harness/wait.h"
#include "harness/window_query.h"

namespace quorvane::e2e {

class E2eTest : public ::testing::Test {
protected:
    // quorvane.exe copied into dir() / "app"; started by app().start().
    QuorvaneApp& app();
    // app().start() and the panel's window; nullptr when none came up.
    HWND startPanel();
    // fake_ide.exe started with its log in dir() / "ide".
    FakeIde& startFakeIde(FakeIdeOptions options = {});
    const TempDir& dir() const { return dir_; }

    void TearDown() override;

private:
    TempDir dir_;
    std::optional<QuorvaneApp> app_;
    std::unique_ptr<FakeIde> ide_;
};

}  // namespace quorvane::e2e
