#include "ui/graphics/detail/JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// The library's header needs the standard types first.
#include <jpeglib.h>

namespace jpegcodec {

namespace {

// The library reports a failure by calling error_exit, which must not
// return: it jumps back to the call that set `back`, with the text kept.
// Only the library's own C frames lie between the two, so nothing of ours
// is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char text[JMSG_LENGTH_MAX];
};

void Fail(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->text);
    std::longjmp(manager->back, 1);
}

// Warnings (corrupt data, a premature end of the file) fail as well: a
// picture with made-up parts is not read as if it were whole.
void Message(j_common_ptr info, int level) {
    if (level < 0) Fail(info);
}

void InitErrors(ErrorManager& manager) {
    jpeg_std_error(&manager.base);
    manager.base.error_exit = Fail;
    manager.base.emit_message = Message;
    manager.text[0] = '\0';
}

}  // namespace

bool Compress(const RgbImage& image, int quality, std::vector<std::uint8_t>& out, std::string& error) {
    jpeg_compress_struct info{};
    ErrorManager manager;
    InitErrors(manager);
    info.err = &manager.base;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(manager.back)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        error = manager.text;
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(image.pixels.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    out.assign(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return true;
}

bool Decompress(const std::uint8_t* data, std::size_t size, RgbImage& out, std::string& error) {
    jpeg_decompress_struct info{};
    ErrorManager manager;
    InitErrors(manager);
    info.err = &manager.base;
    if (setjmp(manager.back)) {
        jpeg_destroy_decompress(&info);
        error = manager.text;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (std::uint64_t(info.image_width) * info.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        error = "the picture is too large";
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    // `out` lives in the caller's frame, so a jump back leaves it whole.
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    out.pixels.assign(stride * info.output_height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.pixels.data() + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace jpegcodec
