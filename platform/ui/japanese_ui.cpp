#include "japanese_ui.h"
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

void setup_japanese_ui(QApplication& app)
{
    auto* qt_ja = new QTranslator(&app);
    if (qt_ja->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt_ja);

    const QStringList gothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"), gothic);
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")});
    for (const QString& family : gothic) {
        if (QFontDatabase::families().contains(family)) {
            QFont font = QApplication::font();
            font.setFamily(family);
            QApplication::setFont(font);
            break;
        }
    }
}

} // namespace platform
