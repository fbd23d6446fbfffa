#pragma once

#include "platform/system_services.h"

namespace lumble {

// The desktop's services through Qt: the X bell for a beep, the event loop's
// exit for quitting, the first screen for the layout.
class QtSystemServices : public SystemServices {
public:
    // `applicationFolder` overrides the executable's folder (tests use a temporary one).
    explicit QtSystemServices(std::filesystem::path applicationFolder = {});

    void beep() override;
    void quit(int exitStatus) override;
    Size mainScreenSize() const override;
    std::filesystem::path applicationFolder() const override;

private:
    std::filesystem::path applicationFolder_;
};

} // namespace lumble
