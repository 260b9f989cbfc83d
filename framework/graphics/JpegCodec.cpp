#include "framework/graphics/JpegCodec.h"

#include "framework/core/Exceptions.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, which must not return. Ours keeps
// the message and jumps back to the operation, which releases libjpeg's state and raises.
// Only plain data lives in the frames a jump crosses: libjpeg's and the operation's own,
// whose objects with destructors are all made before the jump point.
namespace {

struct TJpegErrorManager {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

extern "C" void JpegErrorExit(j_common_ptr Info) {
    auto* Errors = reinterpret_cast<TJpegErrorManager*>(Info->err);
    (*Info->err->format_message)(Info, Errors->Message);
    std::longjmp(Errors->Jump, 1);
}

// Warnings (a corrupt but readable stream) are not fatal and not shown.
extern "C" void JpegOutputMessage(j_common_ptr) {}

jpeg_error_mgr* InstallErrorManager(TJpegErrorManager& Errors) {
    jpeg_std_error(&Errors.Manager);
    Errors.Manager.error_exit = JpegErrorExit;
    Errors.Manager.output_message = JpegOutputMessage;
    Errors.Message[0] = '\0';
    return &Errors.Manager;
}

struct TCompressState {
    jpeg_compress_struct Info{};
    unsigned char* Output = nullptr;
    unsigned long OutputSize = 0;
    ~TCompressState() {
        jpeg_destroy_compress(&Info);
        std::free(Output);
    }
};

struct TDecompressState {
    jpeg_decompress_struct Info{};
    ~TDecompressState() { jpeg_destroy_decompress(&Info); }
};

} // namespace

std::vector<uint8_t> CompressJpeg(const uint8_t* Rows, int Width, int Height, int Stride,
                                  const TJpegSettings& Settings) {
    TJpegErrorManager Errors;
    TCompressState State;
    State.Info.err = InstallErrorManager(Errors);
    if (setjmp(Errors.Jump))
        throw EInvalidGraphic(Errors.Message);

    jpeg_create_compress(&State.Info);
    jpeg_mem_dest(&State.Info, &State.Output, &State.OutputSize);
    State.Info.image_width = JDIMENSION(Width);
    State.Info.image_height = JDIMENSION(Height);
    State.Info.input_components = 3;
    State.Info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&State.Info);
    if (Settings.Grayscale)
        jpeg_set_colorspace(&State.Info, JCS_GRAYSCALE);
    jpeg_set_quality(&State.Info, Settings.Quality, TRUE);
    State.Info.dct_method = JDCT_FLOAT;
    if (Settings.Progressive)
        jpeg_simple_progression(&State.Info);
    jpeg_start_compress(&State.Info, TRUE);
    while (State.Info.next_scanline < State.Info.image_height) {
        JSAMPROW Row =
            const_cast<JSAMPROW>(Rows + size_t(State.Info.next_scanline) * size_t(Stride));
        jpeg_write_scanlines(&State.Info, &Row, 1);
    }
    jpeg_finish_compress(&State.Info);
    return std::vector<uint8_t>(State.Output, State.Output + State.OutputSize);
}

void DecompressJpeg(const uint8_t* Data, size_t Size, const TJpegRowTarget& Target) {
    TJpegErrorManager Errors;
    TDecompressState State;
    State.Info.err = InstallErrorManager(Errors);
    if (setjmp(Errors.Jump))
        throw EInvalidGraphic(Errors.Message);

    jpeg_create_decompress(&State.Info);
    jpeg_mem_src(&State.Info, Data, static_cast<unsigned long>(Size));
    jpeg_read_header(&State.Info, TRUE);
    State.Info.out_color_space = JCS_EXT_BGR;
    State.Info.dct_method = JDCT_FLOAT;
    jpeg_start_decompress(&State.Info);
    int Stride = 0;
    uint8_t* Rows = Target(int(State.Info.output_width), int(State.Info.output_height), Stride);
    while (State.Info.output_scanline < State.Info.output_height) {
        JSAMPROW Row = Rows + size_t(State.Info.output_scanline) * size_t(Stride);
        jpeg_read_scanlines(&State.Info, &Row, 1);
    }
    jpeg_finish_decompress(&State.Info);
}
