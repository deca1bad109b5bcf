#include "clipboard/png_encoder_win.h"

#include <windows.h>
// wincodec.h needs the types of windows.h.
#include <wincodec.h>

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

// The encoder writes the frame into `stream`.
HRESULT WriteFrame(IWICImagingFactory* factory, IStream* stream, const PictureRows& picture) {
  Released<IWICBitmapEncoder> encoder;
  Released<IWICBitmapFrameEncode> frame;
  Released<IPropertyBag2> options;
  const WICPixelFormatGUID wanted =
      picture.alpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
  WICPixelFormatGUID format = wanted;
  const UINT stride = picture.width * (picture.alpha ? 4 : 3);
  HRESULT result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.pointer);
  if (SUCCEEDED(result)) result = encoder->Initialize(stream, WICBitmapEncoderNoCache);
  if (SUCCEEDED(result)) result = encoder->CreateNewFrame(&frame.pointer, &options.pointer);
  if (SUCCEEDED(result)) result = frame->Initialize(options.pointer);
  if (SUCCEEDED(result)) result = frame->SetSize(picture.width, picture.height);
  if (SUCCEEDED(result)) result = frame->SetPixelFormat(&format);
  // An encoder that would convert the pixels would not keep them exactly.
  if (SUCCEEDED(result) && format != wanted) result = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
  if (SUCCEEDED(result)) {
    auto* pixels = reinterpret_cast<BYTE*>(const_cast<char*>(picture.pixels.data()));
    result = frame->WritePixels(picture.height, stride, static_cast<UINT>(picture.pixels.size()),
                                pixels);
  }
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

HRESULT EncodePng(const PictureRows& picture, std::string& png) {
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
