#pragma once
#include "editor_view.h"
#include <functional>

class QLineEdit;
class QPlainTextEdit;

// The text area and the path box of the main window as the file commands see
// them. The commands get this, never the window; the one thing the window does
// in answer, showing the encoding in its caption, is the `encoding_shown` call.
class MemoEditor final : public EditorView {
public:
    MemoEditor(QPlainTextEdit& memo, QLineEdit& path_box, std::function<void(TextEncoding)> encoding_shown);

    QString text() const override;
    // Shows the text and gives the text area the keyboard.
    void set_text(const QString& text) override;
    QString path() const override;
    void set_path(const QString& path) override;
    bool is_modified() const override;
    void set_modified(bool modified) override;
    TextEncoding encoding() const override { return encoding_; }
    void set_encoding(TextEncoding encoding) override;

    // Text in the edit control's form (CR LF) to and from the text area's.
    static QString to_display(const QString& crlf_text);
    static QString from_display(const QString& raw_text);

private:
    QPlainTextEdit& memo_;
    QLineEdit& path_box_;
    std::function<void(TextEncoding)> encoding_shown_;
    TextEncoding encoding_ = TextEncoding::Cp932;
};
