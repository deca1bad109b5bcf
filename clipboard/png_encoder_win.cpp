#include "clipboard/png_encoder_win.h"

#include <windows.h>
// wincodec.h needs the types of windows.h.
#include <wincodec.h>

#include <algorithm>

#include "ui/com_released_win.h"

namespace qm {

namespace {

// COM for the span of one encoding, on whatever thread asks; a thread that has it
// already (the resident program's) keeps it as it was.
class ComForThisCall {
 public:
  ComForThisCall() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComForThisCall() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;

 private:
  HRESULT result_;
};

constexpr uint32_t kRowsPerWrite = 32;

HRESULT WriteRows(IWICBitmapFrameEncode* frame, const DibPicture& picture) {
  const auto rowBytes = static_cast<UINT>(picture.RowBytes());
  std::string rows(size_t{rowBytes} * kRowsPerWrite, '\0');
  HRESULT result = S_OK;
  for (uint32_t y = 0; y < picture.Height() && SUCCEEDED(result);) {
    const uint32_t count = std::min(kRowsPerWrite, picture.Height() - y);
    for (uint32_t i = 0; i < count; ++i) picture.Row(y + i, rows.data() + size_t{i} * rowBytes);
    result =
        frame->WritePixels(count, rowBytes, count * rowBytes, reinterpret_cast<BYTE*>(rows.data()));
    y += count;
  }
  return result;
}

// The encoder writes the frame into `stream`.
HRESULT WriteFrame(IWICImagingFactory* factory, IStream* stream, const DibPicture& picture) {
  Released<IWICBitmapEncoder> encoder;
  Released<IWICBitmapFrameEncode> frame;
  Released<IPropertyBag2> options;
  const WICPixelFormatGUID wanted =
      picture.Alpha() ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
  WICPixelFormatGUID format = wanted;
  HRESULT result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.pointer);
  if (SUCCEEDED(result)) result = encoder->Initialize(stream, WICBitmapEncoderNoCache);
  if (SUCCEEDED(result)) result = encoder->CreateNewFrame(&frame.pointer, &options.pointer);
  if (SUCCEEDED(result)) result = frame->Initialize(options.pointer);
  if (SUCCEEDED(result)) result = frame->SetSize(picture.Width(), picture.Height());
  if (SUCCEEDED(result)) result = frame->SetPixelFormat(&format);
  // An encoder that would convert the pixels would not keep them exactly.
  if (SUCCEEDED(result) && format != wanted) result = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
  if (SUCCEEDED(result)) result = WriteRows(frame.pointer, picture);
  if (SUCCEEDED(result)) result = frame->Commit();
  if (SUCCEEDED(result)) result = encoder->Commit();
  return result;
}

// What the stream holds, from its start to its current end.
HRESULT StreamBytes(IStream* stream, std::string& bytes) {
  ULARGE_INTEGER end{};
  HGLOBAL memory = nullptr;
  HRESULT result = stream->Seek({}, STREAM_SEEK_CUR, &end);
  if (SUCCEEDED(result)) result = GetHGlobalFromStream(stream, &memory);
  if (FAILED(result)) return result;
  const auto* start = static_cast<const char*>(GlobalLock(memory));
  if (!start) return HRESULT_FROM_WIN32(GetLastError());
  bytes.assign(start, static_cast<size_t>(end.QuadPart));
  GlobalUnlock(memory);
  return S_OK;
}

}  // namespace

HRESULT EncodePng(const DibPicture& picture, std::string& png) {
  const ComForThisCall com;
  Released<IWICImagingFactory> factory;
  Released<IStream> stream;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, factory.Out());
  if (SUCCEEDED(result)) result = CreateStreamOnHGlobal(nullptr, TRUE, &stream.pointer);
  if (SUCCEEDED(result)) result = WriteFrame(factory.pointer, stream.pointer, picture);
  if (SUCCEEDED(result)) result = StreamBytes(stream.pointer, png);
  return result;
}

}  // namespace qm
