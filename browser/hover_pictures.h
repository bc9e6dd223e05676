#pragma once
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The toolbar's hover pictures, read once from the picture folder. A picture
// that is missing or unreadable is simply absent: its button keeps its caption.
class HoverPictures {
public:
    HoverPictures(const QString& cg_dir, const QStringList& file_names);

    // The picture of `file_name`, or a null pixmap when it could not be read.
    QPixmap picture(const QString& file_name) const { return pictures_.value(file_name); }
    // The files that could not be read, in the order asked for.
    const QStringList& missing() const { return missing_; }

private:
    QHash<QString, QPixmap> pictures_;
    QStringList missing_;
};
