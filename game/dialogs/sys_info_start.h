#pragma once
#include "platform/ui/prompt.h"
#include "platform/desktop/system_info_tool.h"
#include <functional>

// The "ｼｽﾃﾑ情報" button of the about windows: the desktop's system information tool
// when one is installed and starts, else the message that there is none.
using ProgramStart = std::function<bool(const QString& program, const QStringList& arguments)>;

// Returns true when the tool was started.
bool start_sys_info(const platform::SystemInfoTool& tool, const ProgramStart& start, platform::Prompt& prompt,
                    const QString& message_title);
