#pragma once
// Runs the code in its scope as an ordinary user when the tests run as root,
// for whom file permissions mean nothing. POSIX only, like the native tests.
#include <unistd.h>

#include <gtest/gtest.h>

namespace quorvane::fakes {

class Unprivileged {
public:
    Unprivileged() {
        if (::geteuid() != 0) return;
        changed_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
        EXPECT_TRUE(changed_) << "could not become an ordinary user";
    }
    ~Unprivileged() {
        if (!changed_) return;
        EXPECT_EQ(::seteuid(0), 0);
        EXPECT_EQ(::setegid(0), 0);
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool changed_ = false;
};

}  // namespace quorvane::fakes
