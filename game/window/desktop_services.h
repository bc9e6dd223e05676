#pragma once
#include "platform/desktop_actions.h"
#include "platform/process_starter.h"
#include "platform/session_control.h"
#include "platform/system_info.h"
#include "platform/trash.h"

// What the desktop companion takes from the system: real services in the program,
// fakes in tests.
struct DesktopServices {
    platform::SystemInfo& system;
    platform::Trash& trash;
    platform::SessionControl& session;
    platform::DesktopActions& actions;
    platform::ProcessStarter& starter;
};
