// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding through libjpeg; its fatal errors jump back and fail the decode instead of ending the process.
#include "platform/report/Jpeg.h"

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace report {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to decode().
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void exitOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// Source manager over bytes in memory (6b only offers a stdio source).
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
    // The data ran out before the end marker: hand the decoder a fake end marker, as the stdio source does.
    WARNMS(info, JWRN_JPEG_EOF);
    info->src->next_input_byte = kEndOfImage;
    info->src->bytes_in_buffer = 2;
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count) {
    if (count <= 0)
        return;
    jpeg_source_mgr* source = info->src;
    while (count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        fillInputBuffer(info);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= size_t(count);
}

void termSource(j_decompress_ptr) {}

// Everything decode() changes lives here, outside its own frame, so nothing is lost across longjmp.
struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager error;
    jpeg_source_mgr source;
    QImage image;
};

QRgb cmykToRgb(const JSAMPLE* p, bool inverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

bool decode(Decoding& d, const QByteArray& bytes) {
    d.info.err = jpeg_std_error(&d.error.pub);
    d.error.pub.error_exit = exitOnError;
    d.error.pub.output_message = ignoreMessage;
    d.error.message[0] = '\0';
    if (setjmp(d.error.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);

    d.source.init_source = initSource;
    d.source.fill_input_buffer = fillInputBuffer;
    d.source.skip_input_data = skipInputData;
    d.source.resync_to_restart = jpeg_resync_to_restart;
    d.source.term_source = termSource;
    d.source.next_input_byte = reinterpret_cast<const JOCTET*>(bytes.constData());
    d.source.bytes_in_buffer = size_t(bytes.size());
    d.info.src = &d.source;

    jpeg_read_header(&d.info, TRUE);
    QImage::Format format = QImage::Format_RGB888;
    switch (d.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        d.info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d.info.out_color_space = JCS_CMYK;
        format = QImage::Format_RGB32;
        break;
    default: d.info.out_color_space = JCS_RGB; break;
    }
    jpeg_start_decompress(&d.info);

    const int width = int(d.info.output_width);
    const int height = int(d.info.output_height);
    d.image = QImage(width, height, format);
    if (d.image.isNull()) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    JSAMPARRAY buffer = cmyk ? (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                           JDIMENSION(width * 4), 1)
                             : nullptr;
    while (d.info.output_scanline < d.info.output_height) {
        uchar* line = d.image.scanLine(int(d.info.output_scanline));
        JSAMPROW row = cmyk ? buffer[0] : line;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            break;
        if (cmyk) {
            auto* out = reinterpret_cast<QRgb*>(line);
            for (int x = 0; x < width; ++x)
                out[x] = cmykToRgb(row + 4 * x, d.info.saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* error) {
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("empty JPEG data");
        return {};
    }
    Decoding d{};
    if (!decode(d, bytes)) {
        if (error)
            *error = QString::fromLocal8Bit(d.error.message);
        return {};
    }
    if (error)
        error->clear();
    return d.image;
}

}  // namespace report
