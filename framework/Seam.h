#pragma once
// The one way the program reaches a platform area that tests must watch or steer. Platform names
// the interface; it offers `static Platform& System()`, the implementation that calls the system.
// Code asks Seam<Platform>::Current(); a test puts its own implementation in place for the life of
// a ScopedSeam, which restores the one before it, so that scopes nest.
#include <utility>

namespace fw {

template <class Platform>
class ScopedSeam;

template <class Platform>
class Seam {
public:
    static Platform& Current() { return replacement_ ? *replacement_ : Platform::System(); }

private:
    friend class ScopedSeam<Platform>;
    // Constant-initialised, so the seam works while static objects are made and destroyed.
    static inline constinit Platform* replacement_ = nullptr;
};

template <class Platform>
class ScopedSeam {
public:
    explicit ScopedSeam(Platform& replacement) : previous_(std::exchange(Seam<Platform>::replacement_, &replacement)) {}
    ~ScopedSeam() { Seam<Platform>::replacement_ = previous_; }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

private:
    Platform* previous_;
};

}  // namespace fw
