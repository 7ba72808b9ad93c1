#include "framework/Seam.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Each Id makes an interface of its own; the base answers as the system would.
template <int Id>
class Clock {
public:
    virtual ~Clock() = default;
    virtual int Now() { return 0; }
    static Clock& System() {
        static Clock system;
        return system;
    }
};

template <int Id>
class FixedClock final : public Clock<Id> {
public:
    explicit FixedClock(int now) : now_(now) {}
    int Now() override { return now_; }

private:
    int now_;
};

template <int Id>
int Now() {
    return fw::Seam<Clock<Id>>::Current().Now();
}

TEST(Seam, SystemImplementationUnlessAScopeReplacesIt) {
    EXPECT_EQ(&fw::Seam<Clock<1>>::Current(), &Clock<1>::System());
    {
        FixedClock<1> fake(7);
        const fw::ScopedSeam<Clock<1>> scope(fake);
        EXPECT_EQ(&fw::Seam<Clock<1>>::Current(), &fake);
        EXPECT_EQ(Now<1>(), 7);
        // Another interface keeps its own.
        EXPECT_EQ(&fw::Seam<Clock<2>>::Current(), &Clock<2>::System());
    }
    EXPECT_EQ(&fw::Seam<Clock<1>>::Current(), &Clock<1>::System());
}

TEST(Seam, NestedScopesRestoreTheOneBeforeThem) {
    FixedClock<1> outer(1);
    FixedClock<1> inner(2);
    std::optional<fw::ScopedSeam<Clock<1>>> outerScope(std::in_place, outer);
    {
        const fw::ScopedSeam<Clock<1>> innerScope(inner);
        EXPECT_EQ(Now<1>(), 2);
    }
    EXPECT_EQ(Now<1>(), 1);
    outerScope.reset();
    EXPECT_EQ(Now<1>(), 0);
}

}  // namespace
