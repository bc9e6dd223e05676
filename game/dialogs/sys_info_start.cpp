#include "sys_info_start.h"

bool start_sys_info(const platform::SystemInfoTool& tool, const ProgramStart& start, platform::Prompt& prompt,
                    const QString& message_title)
{
    const auto command = tool.find();
    if (command && start && start(command->program, command->arguments))
        return true;
    prompt.inform(platform::SystemInfoTool::not_available_text(), message_title);
    return false;
}
