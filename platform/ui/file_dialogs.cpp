#include "file_dialogs.h"
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace platform {

QStringList qt_name_filters(const QString& classic_filter)
{
    QStringList out;
    const QStringList parts = classic_filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "テキスト(*.txt)" already names its patterns in a way Qt reads.
        if (desc.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            out << desc;
        else
            out << desc + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

std::optional<QString> QtFileDialogs::open_file(const QString& title, const QString& filter, int filter_index,
                                                const QString& initial_path)
{
    return run(false, title, filter, filter_index, initial_path);
}

std::optional<QString> QtFileDialogs::save_file(const QString& title, const QString& filter, int filter_index,
                                                const QString& initial_path)
{
    return run(true, title, filter, filter_index, initial_path);
}

std::optional<QString> QtFileDialogs::run(bool save, const QString& title, const QString& filter,
                                          int filter_index, const QString& initial_path)
{
    QFileDialog dialog(parent_, title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = qt_name_filters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = std::clamp<qsizetype>(filter_index, 1, filters.size()) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (!initial_path.isEmpty()) {
        const QFileInfo info(initial_path);
        if (info.isDir())
            dialog.setDirectory(initial_path);
        else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
