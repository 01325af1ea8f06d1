#pragma once
// Waiting on conditions. Every wait has a timeout; none sleeps for a fixed
// time in place of a condition.
#include <chrono>
#include <functional>

namespace quorvane::e2e {

// Long enough for a Wine process to start on a busy machine.
inline constexpr std::chrono::milliseconds kDefaultTimeout{20000};

// Polls `condition` until it holds or `timeout` has passed; true when it held.
// This thread's messages are dispatched in between, so windows the test owns
// (a clipboard owner) keep answering other programs.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kDefaultTimeout);

// Dispatches the messages waiting for this thread.
void pumpMessages();

}  // namespace quorvane::e2e
