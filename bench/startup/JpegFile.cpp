#include "JpegFile.h"
#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's own handler ends the process; this one jumps back with the message.
[[noreturn]] void JumpWithMessage(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Only plain data lives in this frame, so the jump back into it skips no destructor.
bool Run(jpeg_decompress_struct& info, ErrorManager& errors,
    const std::vector<unsigned char>& bytes, const JpegFile::RowsFor& rowsFor)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    std::size_t stride = 0;
    unsigned char* const first = rowsFor(int(info.output_width), int(info.output_height), stride);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = first + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

void JpegFile::Decode(const std::string& path, const RowsFor& rowsFor)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    const std::vector<unsigned char> bytes {std::istreambuf_iterator<char>(file), {}};
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpWithMessage;
    const bool decoded = Run(info, errors, bytes, rowsFor);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        throw std::runtime_error(path + ": " + errors.message);
}
