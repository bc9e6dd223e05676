#pragma once
#include "text_file_rules.h"
#include <QString>

// What the file commands see of the main window: the text area and the path box.
class EditorView {
public:
    virtual ~EditorView() = default;
    virtual QString text() const = 0;          // with CR LF line ends
    virtual void set_text(const QString& text) = 0;
    virtual QString path() const = 0;
    virtual void set_path(const QString& path) = 0;
    // Changed since it was last loaded, saved or cleared.
    virtual bool is_modified() const = 0;
    virtual void set_modified(bool modified) = 0;
    // The encoding the text came in and is saved in; the window shows it.
    virtual TextEncoding encoding() const = 0;
    virtual void set_encoding(TextEncoding encoding) = 0;
};
