#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// The desktop's own program that shows the machine's details.
class SystemInfoTool {
public:
    struct Command {
        QString program; // full path
        QStringList arguments;
    };

    // What to say when there is none.
    static QString not_available_text() { return QString::fromUtf8("現時点ではｼｽﾃﾑ情報を使用できません"); }

    virtual ~SystemInfoTool() = default;
    virtual std::optional<Command> find() const = 0;
};

// Looks on PATH for the tools of the common desktops, in a fixed order
// (kinfocenter, gnome-control-center, hardinfo, hardinfo2, xfce4-about, lxqt-about).
class PathSystemInfoTool final : public SystemInfoTool {
public:
    // `path` is a PATH-style list; empty means this process's PATH.
    explicit PathSystemInfoTool(QString path = {}) : path_(std::move(path)) {}
    std::optional<Command> find() const override;

private:
    QString path_;
};

} // namespace platform
