#pragma once
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

// Message boxes and input boxes. Answers are the classic button codes.
class Prompt {
public:
    // YesNoDefaultNo: いいえ answers Enter, for questions whose はい cannot be undone.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo, YesNoCancel };
    enum class Icon { None, Information, Question, Warning, Critical };
    static constexpr int kOk = 1, kCancel = 2, kYes = 6, kNo = 7;

    // Where an input box stands on the screen; a coordinate left empty keeps the
    // box's usual place along that axis.
    struct Placement {
        std::optional<int> left;
        std::optional<int> top;
    };

    virtual ~Prompt() = default;
    virtual int ask(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::None) = 0;
    // The text typed, or nullopt for Cancel (also Escape and closing the box).
    // Lines of `prompt` may be split by CR, LF or CR LF.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& default_text = QString(), Placement placement = {}) = 0;

    void inform(const QString& text, const QString& title, Icon icon = Icon::None)
    {
        ask(text, title, Buttons::Ok, icon);
    }
};

// The real one: QMessageBox and QInputDialog, fixed in size, modal and standing over their
// owner: `parent` (may be null), or the window `set_owner` names when a box opens. A hidden
// window owns no box (the box is centred on the screen instead).
class QtPrompt final : public Prompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    // For a program whose main window comes later, or comes and goes.
    void set_owner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }
    int ask(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& default_text, Placement placement) override;

private:
    QWidget* owner() const;

    QWidget* parent_;
    std::function<QWidget*()> owner_;
};

} // namespace platform
