#include "framework/graphics/JpegCodec.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
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

// Encoded bytes go straight into the result. Its first size is room for the largest file
// the picture is likely to give, which is only address space until written: the bytes are
// written once, never moved from buffer to buffer.
struct TDataDestination {
    jpeg_destination_mgr Manager;
    TJpegData* Data;
};

extern "C" void DataInitDestination(j_compress_ptr Info) {
    auto* Destination = reinterpret_cast<TDataDestination*>(Info->dest);
    Destination->Manager.next_output_byte = Destination->Data->data();
    Destination->Manager.free_in_buffer = Destination->Data->size();
}

// Called when the room is used up: doubles it. A failure to grow becomes libjpeg's own
// out-of-memory error once no C++ frame is left to cross.
extern "C" boolean DataEmptyOutputBuffer(j_compress_ptr Info) {
    auto* Destination = reinterpret_cast<TDataDestination*>(Info->dest);
    TJpegData& Data = *Destination->Data;
    const size_t Used = Data.size();
    bool Grown = true;
    try {
        Data.resize(Used * 2);
    } catch (...) {
        Grown = false;
    }
    if (!Grown)
        ERREXIT1(Info, JERR_OUT_OF_MEMORY, 10);
    Destination->Manager.next_output_byte = Data.data() + Used;
    Destination->Manager.free_in_buffer = Data.size() - Used;
    return TRUE;
}

extern "C" void DataTermDestination(j_compress_ptr Info) {
    auto* Destination = reinterpret_cast<TDataDestination*>(Info->dest);
    Destination->Data->resize(Destination->Data->size() - Destination->Manager.free_in_buffer);
}

// Room for the file before any is written: three bytes a pixel, more than a baseline file of
// 8-bit samples takes, but no more than 64 MB of address space at first.
size_t FirstRoom(int Width, int Height) {
    constexpr uint64_t Headers = 4096;
    constexpr uint64_t Largest = 64u << 20;
    return size_t(std::min(uint64_t(Width) * uint64_t(Height) * 3, Largest) + Headers);
}

struct TCompressState {
    jpeg_compress_struct Info{};
    ~TCompressState() { jpeg_destroy_compress(&Info); }
};

struct TDecompressState {
    jpeg_decompress_struct Info{};
    ~TDecompressState() { jpeg_destroy_decompress(&Info); }
};

} // namespace

TJpegData CompressJpeg(int Width, int Height, TJpegPixels Pixels, const TJpegRowSource& Rows,
                       const TJpegSettings& Settings) {
    constexpr int RowsPerCall = 32;
    TJpegErrorManager Errors;
    TCompressState State;
    TJpegData Data;
    TDataDestination Destination{};
    JSAMPROW RowPointers[RowsPerCall];
    State.Info.err = InstallErrorManager(Errors);
    if (setjmp(Errors.Jump))
        throw EInvalidGraphic(Errors.Message);

    jpeg_create_compress(&State.Info);
    State.Info.image_width = JDIMENSION(Width);
    State.Info.image_height = JDIMENSION(Height);
    State.Info.input_components = Pixels == TJpegPixels::Bgr24 ? 3 : 4;
    State.Info.in_color_space = Pixels == TJpegPixels::Bgr24 ? JCS_EXT_BGR : JCS_EXT_BGRX;
    jpeg_set_defaults(&State.Info);
    if (Settings.Grayscale)
        jpeg_set_colorspace(&State.Info, JCS_GRAYSCALE);
    jpeg_set_quality(&State.Info, Settings.Quality, TRUE);
    State.Info.dct_method = JDCT_FLOAT;
    if (Settings.Progressive)
        jpeg_simple_progression(&State.Info);
    Data.resize(FirstRoom(Width, Height));
    Destination.Manager.init_destination = DataInitDestination;
    Destination.Manager.empty_output_buffer = DataEmptyOutputBuffer;
    Destination.Manager.term_destination = DataTermDestination;
    Destination.Data = &Data;
    State.Info.dest = &Destination.Manager;
    jpeg_start_compress(&State.Info, TRUE);
    while (State.Info.next_scanline < State.Info.image_height) {
        int Count = 0;
        int Stride = 0;
        const uint8_t* First = Rows(int(State.Info.next_scanline), Count, Stride);
        Count = std::clamp(Count, 1, RowsPerCall);
        for (int Row = 0; Row < Count; ++Row)
            RowPointers[Row] = const_cast<JSAMPROW>(First + ptrdiff_t(Row) * Stride);
        jpeg_write_scanlines(&State.Info, RowPointers, JDIMENSION(Count));
    }
    jpeg_finish_compress(&State.Info);
    return Data;
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
