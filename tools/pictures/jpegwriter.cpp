#include "jpegwriter.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

// libjpeg ends the process on an error unless its handler leaves by a jump.
[[noreturn]] void leaveOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

// Only plain data lives in this frame, so the jump out of libjpeg skips no destructor.
bool compress(jpeg_compress_struct &info, ErrorManager &errors, std::FILE *file, const QImage &rgb,
    int quality, JSAMPLE *row)
{
    if (setjmp(errors.escape))
        return false;
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int component = 0; component < info.num_components; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rows[] = { row };
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows; hand it a copy of each.
        std::memcpy(row, rgb.constScanLine(int(info.next_scanline)), std::size_t(rgb.width()) * 3);
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

bool writeJpeg(const QString &path, const QImage &picture, int quality, QString *error)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) {
        *error = QStringLiteral("%1: cannot create the file").arg(path);
        return false;
    }
    std::vector<JSAMPLE> row(std::size_t(rgb.width()) * 3);
    jpeg_compress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = leaveOnError;
    const bool written = compress(info, errors, file, rgb, quality, row.data());
    if (!written) {
        char text[JMSG_LENGTH_MAX];
        (*errors.manager.format_message)(reinterpret_cast<j_common_ptr>(&info), text);
        *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(text));
    }
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0 && written) {
        *error = QStringLiteral("%1: cannot finish writing the file").arg(path);
        return false;
    }
    return written;
}
