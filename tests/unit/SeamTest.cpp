#include "framework/Seam.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Each Id makes an interface of its own; the system's answers 0.
template <int Id>
struct Clock {
    explicit Clock(int now = 0) : now(now) {}
    virtual ~Clock() = default;
    virtual int Now() { return now; }
    static Clock& System() {
        static Clock system;
        return system;
    }
    int now;
};

template <int Id>
int Now() {
    return fw::Seam<Clock<Id>>::Current().Now();
}

TEST(Seam, ScopesReplaceTheirOwnInterfaceAndRestoreTheOneBeforeThem) {
    EXPECT_EQ(&fw::Seam<Clock<1>>::Current(), &Clock<1>::System());
    Clock<1> outer(1), inner(2);
    std::optional<fw::ScopedSeam<Clock<1>>> outerScope(std::in_place, outer);
    {
        const fw::ScopedSeam<Clock<1>> innerScope(inner);
        EXPECT_EQ(Now<1>(), 2);
        EXPECT_EQ(&fw::Seam<Clock<2>>::Current(), &Clock<2>::System()) << "another interface keeps its own";
    }
    EXPECT_EQ(Now<1>(), 1);
    outerScope.reset();
    EXPECT_EQ(&fw::Seam<Clock<1>>::Current(), &Clock<1>::System());
}

}  // namespace
