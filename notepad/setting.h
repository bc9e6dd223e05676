#pragma once
#include "color_settings.h"
#include <QImage>
#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
namespace platform {
class PickList;
class Prompt;
}

// The colour settings of the notepad: a borderless 400 x 250 window that picks
// the text area's text and background colours and keeps them in "mlz_config.ini".
class Setting final : public QWidget {
    Q_OBJECT
public:
    static inline const QString kBadValue = QStringLiteral("値が不正です｡");

    Setting(QPlainTextEdit* memo, platform::Prompt& prompt, QString app_dir, QWidget* parent = nullptr);

    void read_set();
    void apply_text_color();
    void apply_back_color();
    bool write_settings();
    void drag_begin(QPointF at);
    void drag_move(QPointF at);
    void drag_end() { dragging = false; }

    QString settings_path() const { return app_dir_ + ColorSettings::kFileName; }
    const ColorSettings::Values& values() const { return values_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `spoken`: the list's name for a screen reader (which colour, which component).
    platform::PickList* color_list(const char* name, int left, int top, const QString& spoken);
    QWidget* swatch(const char* name, int top, const QString& tip);
    void show_color(QWidget* swatch, const QColor& color);
    void apply_color(QPalette::ColorRole role, const QColor& color, QWidget* swatch);
    QColor color_of(QComboBox* r, QComboBox* g, QComboBox* b) const;

    QPlainTextEdit* memo_;
    platform::Prompt& prompt_;
    QString app_dir_;
    QImage face_;
    ColorSettings::Values values_{};

    QLabel* help_lab = nullptr;
    QLabel* no = nullptr;
    QWidget* pic[2] = {nullptr, nullptr};
    platform::PickList* rCB = nullptr;
    platform::PickList* gCB = nullptr;
    platform::PickList* bCB = nullptr;
    platform::PickList* rbcCB = nullptr;
    platform::PickList* gbcCB = nullptr;
    platform::PickList* bbcCB = nullptr;
    QLabel* choice_no = nullptr;
    QPushButton* save_setting = nullptr;
    QPushButton* initiarizeCom = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    bool dragging = false;
    QPointF drag_at;
};
