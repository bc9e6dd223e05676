#include "settings_off.h"
#include <QSettings>

void keep_no_settings_files()
{
    // No folder can be made below /dev/null, for root neither: QSettings reads and writes nothing.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
        QSettings::setPath(format, QSettings::SystemScope, QStringLiteral("/dev/null"));
    }
}
