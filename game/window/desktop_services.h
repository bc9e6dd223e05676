#pragma once
#include "platform/desktop/desktop_actions.h"
#include "platform/desktop/process_starter.h"
#include "platform/desktop/session_control.h"
#include "platform/desktop/system_info.h"
#include "platform/trash/trash.h"

// What the desktop companion takes from the system: real services in the program,
// fakes in tests.
struct DesktopServices {
    platform::SystemInfo& system;
    platform::Trash& trash;
    platform::SessionControl& session;
    platform::DesktopActions& actions;
    platform::ProcessStarter& starter;
};
