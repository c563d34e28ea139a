#include "vcl/JpegDecoder.h"
#include "vcl/SysUtils.h"
#include <algorithm>
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

constexpr long long kMaxPixels = 64LL * 1024 * 1024;
constexpr int kMaxRowsPerRead = 16;

// libjpeg's default error handler ends the process; this one jumps back to the decoder with
// the message instead. Nothing with a destructor may live in the frames that the jump leaves.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager& Errors(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void ExitWithError(j_common_ptr info)
{
    ErrorManager& errors = Errors(info);
    errors.base.format_message(info, errors.message);
    std::longjmp(errors.jump, 1);
}

// Data that ends early is padded with grey by libjpeg and reported only as a warning; such a
// picture is broken, so those warnings are errors here. Other warnings are tolerated silently.
void EmitMessage(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        ExitWithError(info);
    if (level < 0)
        ++info->err->num_warnings;
}

void OutputNothing(j_common_ptr) { }

void Fail(ErrorManager& errors, const char* message)
{
    std::snprintf(errors.message, sizeof errors.message, "%s", message);
}

bool HasSupportedColours(const jpeg_decompress_struct& info)
{
    return info.jpeg_color_space != JCS_CMYK && info.jpeg_color_space != JCS_YCCK;
}

// Decodes straight into the image's rows, several at a time.
void ReadRows(jpeg_decompress_struct& info, QImage& image)
{
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    JSAMPROW rows[kMaxRowsPerRead];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION count
            = std::min<JDIMENSION>(kMaxRowsPerRead, info.output_height - info.output_scanline);
        for (JDIMENSION row = 0; row < count; ++row)
            rows[row] = bits + (info.output_scanline + row) * stride;
        jpeg_read_scanlines(&info, rows, count);
    }
}

// Runs libjpeg under the jump target; false with errors.message set when decoding failed. Only
// plain data lives in this frame, so jumping back into it skips no destructor.
bool Decode(
    jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& bytes, QImage& image)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!HasSupportedColours(info)) {
        Fail(errors, "CMYK JPEG images are not supported");
        return false;
    }
    if (static_cast<long long>(info.image_width) * info.image_height > kMaxPixels) {
        Fail(errors, "Image dimensions are too large");
        return false;
    }
    info.out_color_space = JCS_EXT_BGRX; // the byte order of Format_RGB32 in memory
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        Fail(errors, "Not enough memory for the image");
        return false;
    }
    ReadRows(info, image);
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitWithError;
    errors.base.emit_message = EmitMessage;
    errors.base.output_message = OutputNothing;
    QImage image;
    const bool decoded = Decode(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        throw EInvalidGraphic(QStringLiteral("JPEG image is not valid: %1")
                                  .arg(QString::fromLocal8Bit(errors.message)));
    return image;
}
