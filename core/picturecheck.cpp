#include "picturecheck.h"

#include <QFileInfo>

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <vector>

namespace PictureCheck {

namespace {

struct ByteSource {
    const QByteArray &bytes;
    qsizetype position = 0;
};

int readBytes(GifFileType *gif, GifByteType *into, int wanted)
{
    auto source = static_cast<ByteSource *>(gif->UserData);
    const qsizetype count = std::min<qsizetype>(wanted, source->bytes.size() - source->position);
    std::memcpy(into, source->bytes.constData() + source->position, size_t(count));
    source->position += count;
    return int(count);
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

QString gifError(int code)
{
    switch (code) {
    case D_GIF_ERR_NOT_GIF_FILE:
        return QStringLiteral("ce n'est pas une image GIF");
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_NO_SCRN_DSCR:
    case D_GIF_ERR_NO_IMAG_DSCR:
        return QStringLiteral("image GIF tronquée");
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        return QStringLiteral("mémoire insuffisante");
    default:
        return QStringLiteral("données d'image GIF endommagées");
    }
}

bool sizeIsSane(int width, int height)
{
    return width > 0 && height > 0 && qint64(width) * height <= MaxPixels;
}

QString skipImageData(GifFileType *gif, Depth depth)
{
    if (depth == Depth::Pixels) {
        std::vector<GifPixelType> row(size_t(gif->Image.Width));
        for (int y = 0; y < gif->Image.Height; ++y) {
            if (DGifGetLine(gif, row.data(), gif->Image.Width) == GIF_ERROR)
                return gifError(gif->Error);
        }
        return QString();
    }
    int codeSize = 0;
    GifByteType *block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return gifError(gif->Error);
    while (block) {
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return gifError(gif->Error);
    }
    return QString();
}

bool isRestartMarker(unsigned char marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

} // namespace

QString gifProblem(const QByteArray &bytes, Depth depth)
{
    ByteSource source { bytes };
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, readBytes, &error));
    if (!gif)
        return gifError(error);
    if (!sizeIsSane(gif->SWidth, gif->SHeight))
        return QStringLiteral("dimensions de l'image invalides ou trop grandes");

    int images = 0;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
            return gifError(gif->Error);
        switch (record) {
        case IMAGE_DESC_RECORD_TYPE: {
            // A question is one still picture; Qt would show the first frame of an animation only.
            if (++images > 1)
                return QStringLiteral("plusieurs images dans un même fichier");
            if (DGifGetImageHeader(gif.get()) == GIF_ERROR)
                return gifError(gif->Error);
            if (!sizeIsSane(gif->Image.Width, gif->Image.Height))
                return QStringLiteral("dimensions de l'image invalides ou trop grandes");
            const QString problem = skipImageData(gif.get(), depth);
            if (!problem.isEmpty())
                return problem;
            break;
        }
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                return gifError(gif->Error);
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
                    return gifError(gif->Error);
            }
            break;
        }
        case TERMINATE_RECORD_TYPE:
            return images == 1 ? QString() : QStringLiteral("le fichier ne contient aucune image");
        default:
            return gifError(D_GIF_ERR_WRONG_RECORD);
        }
    }
}

QString jpegProblem(const QByteArray &bytes)
{
    const auto at = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const QString truncated = QStringLiteral("image JPEG tronquée");
    const QString damaged = QStringLiteral("données d'image JPEG endommagées");
    const qsizetype size = bytes.size();
    if (size < 2 || at(0) != 0xFF || at(1) != 0xD8)
        return QStringLiteral("ce n'est pas une image JPEG");

    qsizetype position = 2;
    bool scanned = false;
    for (;;) {
        if (position >= size)
            return truncated;
        if (at(position) != 0xFF)
            return damaged;
        while (position < size && at(position) == 0xFF) // fill bytes may precede a marker
            ++position;
        if (position >= size)
            return truncated;
        const unsigned char marker = at(position++);
        if (marker == 0xD9) // end of image
            return scanned ? QString() : QStringLiteral("le fichier ne contient aucune image");
        if (marker == 0x01 || isRestartMarker(marker))
            continue;
        if (marker == 0x00)
            return damaged;
        if (position + 2 > size)
            return truncated;
        const qsizetype length = at(position) << 8 | at(position + 1);
        if (length < 2)
            return damaged;
        if (position + length > size)
            return truncated;
        position += length;
        if (marker != 0xDA) // not a start of scan: no entropy-coded data follows
            continue;
        // The scan data runs up to the next marker other than a stuffed zero or a restart.
        while (position < size) {
            if (at(position) != 0xFF) {
                ++position;
                continue;
            }
            if (position + 1 >= size)
                return truncated;
            const unsigned char next = at(position + 1);
            if (next == 0x00 || isRestartMarker(next))
                position += 2;
            else if (next == 0xFF)
                ++position;
            else
                break;
        }
        scanned = true;
    }
}

QString problem(const QByteArray &bytes, const QString &fileName, Depth depth)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return gifProblem(bytes, depth);
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return jpegProblem(bytes);
    return QString();
}

} // namespace PictureCheck
