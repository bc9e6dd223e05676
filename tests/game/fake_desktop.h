#pragma once
// The desktop companion's services as fakes: nothing here reaches the real session,
// trash or programs.
#include "game/window/desktop_services.h"
#include "platform/desktop/fake_system_info.h"
#include "platform/trash/fake_trash.h"
#include "platform/desktop/recording_desktop_actions.h"
#include "platform/desktop/recording_process_starter.h"
#include "platform/desktop/recording_session_control.h"

struct FakeDesktop {
    platform::FakeSystemInfo system;
    platform::FakeTrash trash;
    platform::RecordingSessionControl session;
    platform::RecordingDesktopActions actions;
    platform::RecordingProcessStarter starter;
    DesktopServices services{system, trash, session, actions, starter};
};
