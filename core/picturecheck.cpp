#include "picturecheck.h"

#include <QFileInfo>

#include <gif_lib.h>

#include <algorithm>
#include <array>
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

// Reads the image's compressed data to its end, every block of it into *data when asked for;
// the LZW code size it starts with into *codeSize.
QString readImageData(GifFileType *gif, QByteArray *data = nullptr, int *codeSize = nullptr)
{
    int size = 0;
    GifByteType *block = nullptr;
    if (data) {
        // No more than what is left of the file: one allocation, where growing block by block
        // would leave the heap in pieces over a long run.
        const auto source = static_cast<const ByteSource *>(gif->UserData);
        data->reserve(source->bytes.size() - source->position);
    }
    if (DGifGetCode(gif, &size, &block) == GIF_ERROR)
        return gifError(gif->Error);
    while (block) {
        if (data)
            data->append(reinterpret_cast<const char *>(block + 1), block[0]);
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return gifError(gif->Error);
    }
    if (codeSize)
        *codeSize = size;
    return QString();
}

// Decompresses the LZW data of an image into its `count` pixels, as giflib would, each index
// written as `shade` gives it; false when the data ends or goes wrong before the last pixel. Codes
// beyond the last pixel are not read. Each code's string is written at once, from its end, where
// giflib stacks it pixel by pixel: this is most of what a picture costs to show.
template <class Pixel, class Shade>
bool decompress(const QByteArray &data, int codeSize, Pixel *pixels, qsizetype count, const Shade &shade)
{
    constexpr int MaxBits = 12;
    constexpr int MaxCodes = 1 << MaxBits;
    if (codeSize < 1 || codeSize > 8)
        return false;
    std::array<quint16, MaxCodes> prefix;
    std::array<quint8, MaxCodes> suffix;
    std::array<quint8, MaxCodes> first;
    std::array<quint16, MaxCodes> length;
    const int clear = 1 << codeSize;
    const int end = clear + 1;
    for (int code = 0; code < clear; ++code) {
        suffix[size_t(code)] = first[size_t(code)] = quint8(code);
        length[size_t(code)] = 1;
    }
    int next = clear + 2;
    int width = codeSize + 1;
    int previous = -1;
    quint32 bits = 0;
    int bitCount = 0;
    auto input = reinterpret_cast<const uchar *>(data.constData());
    const uchar *const inputEnd = input + data.size();
    qsizetype written = 0;
    while (written < count) {
        while (bitCount < width) {
            if (input == inputEnd)
                return false;
            bits |= quint32(*input++) << bitCount;
            bitCount += 8;
        }
        const int code = int(bits & ((1u << width) - 1));
        bits >>= width;
        bitCount -= width;
        if (code == clear) {
            next = clear + 2;
            width = codeSize + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            return false;
        if (code > next || (code == next && (previous < 0 || next >= MaxCodes)))
            return false;
        if (previous >= 0 && next < MaxCodes) {
            // The previous string and the first pixel of this one; when this code is the one
            // being defined, that first pixel is the previous string's.
            prefix[size_t(next)] = quint16(previous);
            suffix[size_t(next)] = first[size_t(code == next ? previous : code)];
            first[size_t(next)] = first[size_t(previous)];
            length[size_t(next)] = quint16(length[size_t(previous)] + 1);
            ++next;
        }
        const qsizetype stringLength = length[size_t(code)];
        // What lies past the last pixel is dropped.
        const qsizetype kept = std::min(stringLength, count - written);
        int link = code;
        for (qsizetype i = stringLength - 1; i >= kept; --i)
            link = prefix[size_t(link)];
        for (qsizetype i = kept - 1; i > 0; --i) {
            pixels[written + i] = shade(suffix[size_t(link)]);
            link = prefix[size_t(link)];
        }
        pixels[written] = shade(suffix[size_t(link)]);
        written += kept;
        previous = code;
        if (next >= (1 << width) && width < MaxBits)
            ++width;
    }
    return true;
}

// The colours of the image's indices as Qt's own GIF reader gives them: opaque, but the
// transparent index, which keeps its colour with no alpha, and the indices past the colour map,
// transparent white.
std::array<QRgb, 256> coloursOf(const ColorMapObject *map, int transparent)
{
    std::array<QRgb, 256> colours;
    colours.fill(0x00FFFFFF);
    const int count = map ? std::min(map->ColorCount, 256) : 0;
    for (int i = 0; i < count; ++i) {
        const GifColorType &c = map->Colors[i];
        colours[size_t(i)] = qRgb(c.Red, c.Green, c.Blue);
    }
    if (transparent >= 0)
        colours[size_t(transparent)] &= 0x00FFFFFF;
    return colours;
}

// Decodes every pixel of the image whose header was just read, into *image when one is asked
// for: the screen's size, the frame at its place.
QString decodeImageData(GifFileType *gif, int transparent, QImage *image)
{
    const GifImageDesc &frame = gif->Image;
    QByteArray data;
    int codeSize = 0;
    const QString unread = readImageData(gif, &data, &codeSize);
    if (!unread.isEmpty())
        return unread;
    const qsizetype count = qsizetype(frame.Width) * frame.Height;
    const auto index = [](GifPixelType pixel) { return pixel; };
    if (!image) {
        std::vector<GifPixelType> indices(static_cast<size_t>(count));
        if (!decompress(data, codeSize, indices.data(), count, index))
            return gifError(D_GIF_ERR_IMAGE_DEFECT);
        return QString();
    }

    *image
        = QImage(gif->SWidth, gif->SHeight, transparent >= 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image->isNull())
        return QStringLiteral("mémoire insuffisante");
    const std::array<QRgb, 256> colours
        = coloursOf(frame.ColorMap ? frame.ColorMap : gif->SColorMap, transparent);
    const auto colour = [&colours](GifPixelType pixel) { return colours[pixel]; };
    const bool covered
        = frame.Left == 0 && frame.Top == 0 && frame.Width == gif->SWidth && frame.Height == gif->SHeight;
    if (covered && !frame.Interlace) {
        // The usual picture: its rows follow one another, each pixel is written in its colour.
        if (!decompress(data, codeSize, reinterpret_cast<QRgb *>(image->bits()), count, colour)) {
            *image = QImage();
            return gifError(D_GIF_ERR_IMAGE_DEFECT);
        }
        return QString();
    }

    std::vector<GifPixelType> indices(static_cast<size_t>(count));
    if (!decompress(data, codeSize, indices.data(), count, index)) {
        *image = QImage();
        return gifError(D_GIF_ERR_IMAGE_DEFECT);
    }
    // Around a frame smaller than the screen, as Qt shows it: nothing where the picture has a
    // transparent colour, else the background colour of the screen's colours. When the frame
    // brings colours of its own, Qt reads them before they are set: black, the usual outcome.
    if (transparent >= 0)
        image->fill(0);
    else if (frame.ColorMap)
        image->fill(qRgb(0, 0, 0));
    else
        image->fill(coloursOf(gif->SColorMap, -1)[size_t(gif->SBackGroundColor & 0xFF)]);
    // An interlaced image holds every eighth row from the first, every eighth from the fifth,
    // every fourth from the third, then every other one.
    static constexpr int passStart[] = { 0, 4, 2, 1 };
    static constexpr int passStep[] = { 8, 8, 4, 2 };
    const int passes = frame.Interlace ? 4 : 1;
    // Only what falls on the screen is drawn.
    const int left = std::clamp(frame.Left, 0, gif->SWidth);
    const int right = std::clamp(frame.Left + frame.Width, left, gif->SWidth);
    const GifPixelType *row = indices.data();
    for (int pass = 0; pass < passes; ++pass) {
        const int start = frame.Interlace ? passStart[pass] : 0;
        const int step = frame.Interlace ? passStep[pass] : 1;
        for (int y = start; y < frame.Height; y += step, row += frame.Width) {
            const int line = frame.Top + y;
            if (line >= gif->SHeight)
                continue;
            auto pixels = reinterpret_cast<QRgb *>(image->scanLine(line));
            for (int x = left; x < right; ++x)
                pixels[x] = colour(row[x - frame.Left]);
        }
    }
    return QString();
}

// The transparent index that a graphic control extension gives the image after it, or -1.
int transparentIndexOf(const GifByteType *block)
{
    if (block[0] < 4 || !(block[1] & 0x01))
        return -1;
    return block[4];
}

bool isRestartMarker(unsigned char marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Walks the GIF from end to end: its blocks, and with Depth::Pixels its pixels, decoded into
// *image when one is asked for. Why the bytes are not one whole still picture; empty when they are.
QString walkGif(const QByteArray &bytes, Depth depth, QImage *image)
{
    ByteSource source { bytes };
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, readBytes, &error));
    if (!gif)
        return gifError(error);
    if (!sizeIsSane(gif->SWidth, gif->SHeight))
        return QStringLiteral("dimensions de l'image invalides ou trop grandes");

    int images = 0;
    int transparent = -1;
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
            const QString problem = depth == Depth::Pixels ? decodeImageData(gif.get(), transparent, image)
                                                           : readImageData(gif.get());
            if (!problem.isEmpty())
                return problem;
            break;
        }
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                return gifError(gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && block)
                transparent = transparentIndexOf(block);
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

} // namespace

QString gifProblem(const QByteArray &bytes, Depth depth)
{
    return walkGif(bytes, depth, nullptr);
}

QImage gifImage(const QByteArray &bytes, QString *problem)
{
    QImage image;
    *problem = walkGif(bytes, Depth::Pixels, &image);
    if (!problem->isEmpty())
        return QImage();
    return image;
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
