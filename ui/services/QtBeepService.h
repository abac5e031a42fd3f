#pragma once

#include "PlatformServices.h"

namespace orvane {

class QtBeepService : public BeepService {
public:
    void beep() override;
};

} // namespace orvane
