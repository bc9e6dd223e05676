#pragma once
// Writers of the game's pictures, each into the bmp folder given.

#include <QList>
#include <QString>
#include <QStringList>

namespace assetgen {

void write_sprite_pictures(const QString& bmp_dir);     // holes, seal, yeti, hit pictures
void write_countdown_pictures(const QString& bmp_dir);  // 3, 2, 1, GO
void write_icon_pictures(const QString& bmp_dir);       // the icon menu, its wall, help arrows
void write_title_pictures(const QString& bmp_dir);      // title plate and splash logo
void write_cursor_files(const QString& bmp_dir);        // the weapon cursors
void write_program_icons(const QString& dir);          // window icons of the programs (mpkx.ico, memolu.ico, brovu.ico, kururito.ico)
void write_browser_pictures(const QString& cg_dir);     // the browser's six hover GIFs
void write_about_picture(const QString& bmp_dir);      // the about box's icon
void write_snow_skin(const QString& bmp_dir, const QString& skin_dir); // a second skin, from the sprites

// The programs' desktop icons into a hicolor theme folder, <size>x<size>/apps/<name>.png, for
// each "<icon>:<name>" pair; icons: pokan, pokan_earlier, memolu, brovu, kururito, yomino.
void write_desktop_icons(const QString& hicolor_dir, const QList<int>& sizes, const QStringList& kinds_and_names);

}  // namespace assetgen
