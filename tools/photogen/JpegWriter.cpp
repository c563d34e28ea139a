#include "JpegWriter.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace jpeg {
namespace {

    struct ErrorManager
    {
        jpeg_error_mgr pub;
        std::jmp_buf jump;
        char message[JMSG_LENGTH_MAX];
    };

    // libjpeg's default handler calls exit(); jump back to compress() instead.
    void onError(j_common_ptr cinfo)
    {
        auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
        (*cinfo->err->format_message)(cinfo, errors->message);
        std::longjmp(errors->jump, 1);
    }

    void configure(jpeg_compress_struct& cinfo, int width, int height, int quality)
    {
        cinfo.image_width = static_cast<JDIMENSION>(width);
        cinfo.image_height = static_cast<JDIMENSION>(height);
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        jpeg_simple_progression(&cinfo);
        cinfo.optimize_coding = TRUE;
        cinfo.write_JFIF_header = TRUE;
        cinfo.JFIF_major_version = 1;
        cinfo.JFIF_minor_version = 1;
        cinfo.density_unit = 1;
        cinfo.X_density = 72;
        cinfo.Y_density = 72;
    }

    // Plain C-style body: nothing with a destructor may live here because of setjmp/longjmp.
    bool compress(
        const QImage& rgb, int quality, unsigned char** out, unsigned long* size, char* message)
    {
        jpeg_compress_struct cinfo;
        ErrorManager errors;
        cinfo.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = onError;
        if (setjmp(errors.jump)) {
            std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
            jpeg_destroy_compress(&cinfo);
            return false;
        }
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, out, size);
        configure(cinfo, rgb.width(), rgb.height(), quality);
        jpeg_start_compress(&cinfo, TRUE);
        while (cinfo.next_scanline < cinfo.image_height) {
            JSAMPROW row
                = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
        jpeg_destroy_compress(&cinfo);
        return true;
    }

} // namespace

QByteArray encode(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = compress(rgb, quality, &buffer, &size, message);
    QByteArray data;
    if (ok)
        data = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (!ok)
        throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
    return data;
}

QByteArray encodeNear(const QImage& image, qsizetype targetBytes, int* chosenQuality)
{
    QByteArray best;
    int bestQuality = 0;
    for (int quality = 40; quality <= 95; ++quality) {
        QByteArray data = encode(image, quality);
        if (best.isEmpty()
            || std::abs(data.size() - targetBytes) < std::abs(best.size() - targetBytes)) {
            best = std::move(data);
            bestQuality = quality;
        }
    }
    if (chosenQuality)
        *chosenQuality = bestQuality;
    return best;
}

void save(const QByteArray& data, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw std::runtime_error(
            "cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace jpeg
