#include "hover_pictures.h"

HoverPictures::HoverPictures(const QString& cg_dir, const QStringList& file_names)
{
    for (const QString& name : file_names) {
        QPixmap p;
        if (p.load(cg_dir + name))
            pictures_.insert(name, p);
        else
            missing_.append(name);
    }
}
