#pragma once
#include "sys_info_start.h"
#include <QDialog>

class QLabel;
class QPushButton;

// What the about box and the maker window share: "OK" unloads the window (as does
// closing it), "ｼｽﾃﾑ情報(&S)..." starts the desktop's system information tool.
class InfoBox : public QDialog {
    Q_OBJECT
public:
    struct SysInfo {
        const platform::SystemInfoTool& tool;
        ProgramStart start;
        platform::Prompt& prompt;
    };

    InfoBox(SysInfo sys_info, QWidget* parent);

    QPushButton* ok_button() const { return ok_; }
    QPushButton* sys_info_button() const { return sys_info_button_; }

protected:
    // Places the two buttons at the right edge, from `top` down.
    void place_buttons(int top);
    // A word-wrapped label at `at`; CR LF in `text` breaks its lines.
    QLabel* text_label(const QString& text, QRect at, int point_size = 0, bool bold = false);
    void done(int result) override;

private:
    SysInfo sys_info_;
    QPushButton* ok_;
    QPushButton* sys_info_button_;
};
