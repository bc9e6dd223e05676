#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

// The common Open and Save dialogs. Filters come in the classic form
// "テキスト(*.txt)|*.txt|全てのファイル(*.*)|*.*"; `filter_index` counts from 1.
// Each call returns the chosen path, or nullopt when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> open_file(const QString& title, const QString& filter,
                                             int filter_index = 1, const QString& initial_path = QString()) = 0;
    // The caller asks its own question about replacing a file; the dialog asks none.
    virtual std::optional<QString> save_file(const QString& title, const QString& filter,
                                             int filter_index = 1, const QString& initial_path = QString()) = 0;
};

// "desc|pattern|desc|pattern" to Qt's "desc (pattern);;desc (pattern)".
QStringList qt_name_filters(const QString& classic_filter);

// The real one: QFileDialog, modal to `parent` (may be null).
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<QString> open_file(const QString& title, const QString& filter, int filter_index,
                                     const QString& initial_path) override;
    std::optional<QString> save_file(const QString& title, const QString& filter, int filter_index,
                                     const QString& initial_path) override;

private:
    std::optional<QString> run(bool save, const QString& title, const QString& filter, int filter_index,
                               const QString& initial_path);
    QWidget* parent_;
};

} // namespace platform
