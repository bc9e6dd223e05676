#include "platform/app/display_platform.h"
#include <gtest/gtest.h>

using namespace platform;

TEST(PreferredQtPlatform, WaylandSessionWithXWaylandGoesThroughXcb)
{
    EXPECT_EQ(preferred_qt_platform({"", "wayland-0", ":0"}), "xcb");
    EXPECT_EQ(preferred_qt_platform({"", "/run/user/1000/wayland-1", ":1"}), "xcb");
}

TEST(PreferredQtPlatform, PlatformTheUserNamedIsKept)
{
    for (const char* named : {"wayland", "xcb", "offscreen", "wayland;xcb"}) {
        EXPECT_EQ(preferred_qt_platform({named, "wayland-0", ":0"}), "") << named;
        EXPECT_EQ(preferred_qt_platform({named, "", ":0"}), "") << named;
    }
}

TEST(PreferredQtPlatform, LeavesQtItsChoiceOutsideAWaylandSessionWithXWayland)
{
    EXPECT_EQ(preferred_qt_platform({"", "", ":0"}), "");         // plain X11 session
    EXPECT_EQ(preferred_qt_platform({"", "wayland-0", ""}), "");  // no XWayland: only Wayland is there
    EXPECT_EQ(preferred_qt_platform({"", "", ""}), "");           // no display at all
}

namespace {

// Sets or clears one variable of this process for the length of a test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

TEST(PreferXWayland, SetsTheProcessPlatformOnAWaylandSession)
{
    ScopedEnv qpa("QT_QPA_PLATFORM", nullptr), wayland("WAYLAND_DISPLAY", "wayland-0"), x("DISPLAY", ":0");
    prefer_xwayland();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "xcb");
}

TEST(PreferXWayland, LeavesTheUsersPlatformAndAnX11SessionAlone)
{
    {
        ScopedEnv qpa("QT_QPA_PLATFORM", "wayland"), wayland("WAYLAND_DISPLAY", "wayland-0"), x("DISPLAY", ":0");
        prefer_xwayland();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland");
    }
    {
        ScopedEnv qpa("QT_QPA_PLATFORM", nullptr), wayland("WAYLAND_DISPLAY", nullptr), x("DISPLAY", ":0");
        prefer_xwayland();
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    }
}
