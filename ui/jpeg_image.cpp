#include "ui/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zemu {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

// libjpeg's default error handler ends the process; this returns to the decoder instead.
void OnJpegError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }
void OnJpegMessage(j_common_ptr) {}

// Only trivially destructible locals live between setjmp and a longjmp.
bool DecodeInto(jpeg_decompress_struct* cinfo, ErrorManager* errors, const unsigned char* data, unsigned long size,
                DibImage* image) {
  if (setjmp(errors->jump) != 0) return false;
  jpeg_mem_src(cinfo, data, size);
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  cinfo->out_color_space = JCS_EXT_BGR;
  if (!jpeg_start_decompress(cinfo)) return false;
  const std::size_t width = cinfo->output_width;
  const std::size_t height = cinfo->output_height;
  const std::size_t stride = (width * 3 + 3) & ~std::size_t{3};
  image->bits.assign(stride * height, 0);
  while (cinfo->output_scanline < cinfo->output_height) {
    // A bottom-up DIB keeps the first row last.
    JSAMPROW row = image->bits.data() + stride * (height - 1 - cinfo->output_scanline);
    jpeg_read_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_decompress(cinfo);
  BITMAPINFOHEADER& h = image->info.bmiHeader;
  h = BITMAPINFOHEADER{};
  h.biSize = sizeof h;
  h.biWidth = static_cast<LONG>(width);
  h.biHeight = static_cast<LONG>(height);
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  return true;
}

}  // namespace

bool DecodeJpeg(const void* data, std::size_t size, DibImage* image) {
  if (data == nullptr || size == 0) return false;
  jpeg_decompress_struct cinfo{};
  ErrorManager errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.output_message = OnJpegMessage;
  jpeg_create_decompress(&cinfo);
  DibImage decoded;
  const bool ok = DecodeInto(&cinfo, &errors, static_cast<const unsigned char*>(data),
                             static_cast<unsigned long>(size), &decoded);
  jpeg_destroy_decompress(&cinfo);
  if (ok) *image = std::move(decoded);
  return ok;
}

}  // namespace zemu
