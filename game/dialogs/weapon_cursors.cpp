#include "weapon_cursors.h"
#include "platform/ui/cursor_file.h"

namespace {

constexpr const char* kRaised[] = {"harisen3.cur", "ono1.cur", "arutema1.cur"};
constexpr const char* kStriking[] = {"harisen4.cur", "ono2.cur", "arutema2.cur"};

} // namespace

QString WeaponCursors::raised_file(int weapon)
{
    return weapon >= 0 && weapon < kWeapons ? QString::fromLatin1(kRaised[weapon]) : QString();
}

QString WeaponCursors::striking_file(int weapon)
{
    return weapon >= 0 && weapon < kWeapons ? QString::fromLatin1(kStriking[weapon]) : QString();
}

QString WeaponCursors::soubi_select(uint8_t buki_no, const QString& bmp_dir)
{
    if (buki_no >= kWeapons)
        return QString();
    const QString raised_path = bmp_dir + raised_file(buki_no);
    const QString striking_path = bmp_dir + striking_file(buki_no);
    const auto raised = platform::load_cursor_file(raised_path);
    if (!raised)
        return raised_path;
    const auto striking = platform::load_cursor_file(striking_path);
    if (!striking)
        return striking_path;
    raised_ = *raised;
    striking_ = *striking;
    return QString();
}
