#pragma once
#include "info_box.h"

class QLabel;

// The maker window: who made the game, since when, and how to reach them.
class ZorvikWindow final : public InfoBox {
    Q_OBJECT
public:
    ZorvikWindow(const QString& version, const QString& icon_path, SysInfo sys_info, QWidget* parent = nullptr);

    struct Controls {
        QLabel* pic_icon;
        QLabel* zorvik_telop;
        QLabel* lbl_version;
        QLabel* zorvik_at;
        QLabel* attention;
    };
    const Controls& controls() const { return controls_; }

private:
    Controls controls_{};
};
