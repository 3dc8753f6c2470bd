#include "gifwriter.h"

#include <QFile>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace {

QString gifError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("giflib error %1").arg(code);
}

int paletteBits(int colours)
{
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    return bits;
}

} // namespace

QVector<QRgb> shadedPalette(const QVector<QRgb> &baseColours, int steps)
{
    QVector<QRgb> palette;
    auto add = [&palette](QRgb colour) {
        if (!palette.contains(colour))
            palette.append(colour);
    };
    for (QRgb colour : baseColours)
        add(colour);
    for (int i = 0; i < baseColours.size(); ++i) {
        for (int j = i + 1; j < baseColours.size(); ++j) {
            const QColor a(baseColours[i]);
            const QColor b(baseColours[j]);
            for (int s = 1; s <= steps; ++s) {
                const double t = double(s) / (steps + 1);
                add(qRgb(qRound(a.red() + (b.red() - a.red()) * t),
                    qRound(a.green() + (b.green() - a.green()) * t),
                    qRound(a.blue() + (b.blue() - a.blue()) * t)));
            }
        }
    }
    return palette;
}

bool writeGif(const QString &path, const QImage &picture, const QVector<QRgb> &palette, QString *error)
{
    if (palette.isEmpty() || palette.size() > 256) {
        *error = QStringLiteral("%1: palette of %2 colours (1 to 256 allowed)").arg(path).arg(palette.size());
        return false;
    }
    const QImage indexed
        = picture.convertToFormat(QImage::Format_RGB32)
              .convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.isNull() || indexed.colorCount() > 256) {
        *error = QStringLiteral("%1: could not map the picture to its palette").arg(path);
        return false;
    }

    // giflib wants a power-of-two colour map; the unused entries stay black.
    const int bits = paletteBits(indexed.colorCount());
    std::vector<GifColorType> colours(size_t(1) << bits, GifColorType { 0, 0, 0 });
    for (int i = 0; i < indexed.colorCount(); ++i) {
        const QRgb c = indexed.color(i);
        colours[size_t(i)]
            = GifColorType { GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c)) };
    }
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(
        GifMakeMapObject(int(colours.size()), colours.data()), GifFreeMapObject);
    if (!map) {
        *error = QStringLiteral("%1: GifMakeMapObject failed").arg(path);
        return false;
    }

    int code = 0;
    const QByteArray fileName = QFile::encodeName(path);
    GifFileType *gif = EGifOpenFileName(fileName.constData(), false, &code);
    if (!gif) {
        *error = QStringLiteral("%1: %2").arg(path, gifError(code));
        return false;
    }
    auto fail = [&](int failure) {
        *error = QStringLiteral("%1: %2").arg(path, gifError(failure));
        int ignored = 0;
        EGifCloseFile(gif, &ignored);
        QFile::remove(path);
        return false;
    };
    const int width = indexed.width();
    const int height = indexed.height();
    if (EGifPutScreenDesc(gif, width, height, bits, 0, map.get()) == GIF_ERROR)
        return fail(gif->Error);
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
        return fail(gif->Error);
    // EGifPutLine changes the buffer it is given: hand it a copy of each row.
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        const uchar *line = indexed.constScanLine(y);
        row.assign(line, line + width);
        if (EGifPutLine(gif, row.data(), width) == GIF_ERROR)
            return fail(gif->Error);
    }
    if (EGifCloseFile(gif, &code) == GIF_ERROR) {
        *error = QStringLiteral("%1: %2").arg(path, gifError(code));
        QFile::remove(path);
        return false;
    }
    return true;
}
