#include "gif_writer.h"

#include <QFile>
#include <gif_lib.h>
#include <stdexcept>
#include <vector>

namespace assetgen {

namespace {

[[noreturn]] void fail(const QString& path, int code)
{
    throw std::runtime_error("cannot write " + path.toStdString() + ": " + GifErrorString(code));
}

}  // namespace

void write_gif(const QImage& image, const QString& path)
{
    const QImage indexed = image.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QList<QRgb> table = indexed.colorTable();

    // A GIF colour map has a power-of-two size.
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    std::vector<GifColorType> colours(1u << bits, GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i)
        colours[i] = GifColorType{static_cast<GifByteType>(qRed(table[i])), static_cast<GifByteType>(qGreen(table[i])),
                                  static_cast<GifByteType>(qBlue(table[i]))};

    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        fail(path, error);
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::vector<GifPixelType> row(indexed.constScanLine(y), indexed.constScanLine(y) + indexed.width());
        ok = EGifPutLine(gif, row.data(), indexed.width()) == GIF_OK;
    }
    GifFreeMapObject(map);
    error = ok ? 0 : gif->Error;
    int close_error = 0;
    if (EGifCloseFile(gif, &close_error) != GIF_OK && ok) {
        ok = false;
        error = close_error;
    }
    if (!ok)
        fail(path, error);
    // giflib creates the file for its owner only; pictures are for everyone to read.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

}  // namespace assetgen
