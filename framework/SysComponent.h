#pragma once
// Base of the non-visual "sys" components (file operation, single instance): a component with a
// published About text that is never stored and has no effect at run time.
#include <string>

#include "framework/ClassInfo.h"
#include "framework/PartPublisher.h"

class TsysComponent : public fw::Component {
public:
    using fw::Component::Component;

    const std::string& About() const { return about_; }
    void SetAbout(std::string about) { about_ = std::move(about); }

    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo info = [] {
            fw::ClassInfo ci("TsysComponent", nullptr);
            fw::Publish<TsysComponent>(ci).Property<std::string>("About", &TsysComponent::About,
                                                                 &TsysComponent::SetAbout);
            return ci;
        }();
        return info;
    }
    const fw::ClassInfo& Class() const override { return StaticClass(); }

private:
    std::string about_;
};
