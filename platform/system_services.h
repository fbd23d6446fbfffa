#pragma once

#include "platform/geometry.h"

#include <filesystem>

namespace lumble {

// The services of the desktop the game runs on.
class SystemServices {
public:
    virtual ~SystemServices() = default;
    virtual void beep() = 0;
    virtual void quit(int exitStatus) = 0;
    virtual Size mainScreenSize() const = 0;
    // The folder holding the executable, symbolic links resolved.
    virtual std::filesystem::path applicationFolder() const = 0;
};

} // namespace lumble
