#pragma once
#include "system_info_tool.h"

namespace platform {

// Finds whatever the test puts here.
class FakeSystemInfoTool final : public SystemInfoTool {
public:
    std::optional<Command> tool;
    std::optional<Command> find() const override { return tool; }
};

} // namespace platform
