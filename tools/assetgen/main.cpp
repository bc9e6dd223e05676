// assetgen: draws the game's pictures and cursors, synthesises its sounds
// and converts its texts, straight into the program folder.
//
//   assetgen pictures <bmp dir>
//   assetgen sounds <wav dir>
//   assetgen text <utf-8 source> <cp932 destination>
//   assetgen icons <program dir>        window icons of the programs
//   assetgen browser <cg dir>           the browser's hover pictures (GIF)
//   assetgen skin <bmp dir> <skin dir>  the snow skin, drawn over the sprites
//   assetgen desktop-icons <hicolor dir> <size>... -- <icon>:<name>...   icons for the desktop's menus
//   assetgen sheet <bmp dir> <png>      every picture on one sheet, to look at

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "contact_sheet.h"
#include "pictures.h"
#include "sounds.h"
#include "text_convert.h"

namespace {

void make_dir(const QString& dir)
{
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot create " + dir.toStdString());
}

int usage()
{
    std::fprintf(stderr,
                 "usage: assetgen pictures <bmp dir> | icons <dir> | browser <cg dir> | skin <bmp dir> <skin dir> | sounds <wav dir> | text <in> <out> | sheet <bmp dir> <png>\n"
                 "       assetgen desktop-icons <hicolor dir> <size>... -- <icon>:<name>...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString command = args.at(1);
    try {
        if (command == "pictures" && args.size() == 3) {
            make_dir(args[2]);
            assetgen::write_sprite_pictures(args[2]);
            assetgen::write_countdown_pictures(args[2]);
            assetgen::write_icon_pictures(args[2]);
            assetgen::write_title_pictures(args[2]);
            assetgen::write_cursor_files(args[2]);
            assetgen::write_about_picture(args[2]);
        } else if (command == "icons" && args.size() == 3) {
            make_dir(args[2]);
            assetgen::write_program_icons(args[2]);
        } else if (command == "desktop-icons" && args.size() >= 6 && args.indexOf("--") > 3) {
            const qsizetype dashes = args.indexOf("--");
            QList<int> sizes;
            for (const QString& s : args.mid(3, dashes - 3)) {
                bool ok = false;
                sizes.append(s.toInt(&ok));
                if (!ok || sizes.back() < 1)
                    return usage();
            }
            assetgen::write_desktop_icons(args[2], sizes, args.mid(dashes + 1));
        } else if (command == "browser" && args.size() == 3) {
            make_dir(args[2]);
            assetgen::write_browser_pictures(args[2]);
        } else if (command == "skin" && args.size() == 4) {
            assetgen::write_snow_skin(args[2], args[3]);
        } else if (command == "sounds" && args.size() == 3) {
            make_dir(args[2]);
            assetgen::write_sounds(args[2]);
        } else if (command == "text" && args.size() == 4) {
            make_dir(QFileInfo(args[3]).absolutePath());
            assetgen::convert_text_file(args[2], args[3]);
        } else if (command == "sheet" && args.size() == 4) {
            assetgen::write_contact_sheet(args[2], args[3]);
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
