#pragma once
#include "run_command.h"
#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace platform {

// Our run dialog: one line for a program, a path or an address.
// OK hands the parsed line to `run`; when that fails the dialog stays with the line selected.
class RunDialog final : public QDialog {
    Q_OBJECT
public:
    static QString title() { return QString::fromUtf8("ファイル名を指定して実行"); }

    RunDialog(std::function<bool(const RunCommand&)> run, QWidget* parent = nullptr);

    // Shows the dialog (again) with the last line selected and the focus in it.
    void show_fresh();

    QLineEdit* line() const { return line_; }
    QPushButton* ok_button() const { return ok_; }

    void accept() override;

private:
    std::function<bool(const RunCommand&)> run_;
    QLineEdit* line_;
    QPushButton* ok_;
};

} // namespace platform
