#pragma once
#include <QWidget>

class QPlainTextEdit;
namespace platform {
class Prompt;
}

// The update history: one text box that always fills the window.
class HistoryWindow final : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(QString app_dir, platform::Prompt& prompt, QWidget* parent = nullptr);

    // Reads "更新履歴mpkx.txt" again. A file that cannot be read gives the read
    // error message and leaves the text as it was; one too large to read is named
    // too large in the text box.
    void readfile();

    QPlainTextEdit* his_text() const { return his_text_; }

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QString app_dir_;
    platform::Prompt& prompt_;
    QPlainTextEdit* his_text_;
};
