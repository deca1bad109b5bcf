#include "bench/win/picture_save_latency.h"

#include <wincodec.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "bench/win/save_world.h"
#include "clipboard/clipboard_win.h"
#include "clipboard/copied_picture.h"
#include "ui/com_released_win.h"

namespace qm::bench {

namespace {

constexpr int kRuns = 7;
constexpr LONG kWidth = 1920;
constexpr LONG kHeight = 1080;

// A grainy photograph's channel at a pixel: a gradient with some noise on it.
char Grain(LONG x, LONG y, uint32_t channel) {
  const uint32_t mixed = static_cast<uint32_t>(x) * 73856093u ^
                         static_cast<uint32_t>(y) * 19349663u ^ channel * 83492791u;
  return static_cast<char>(static_cast<uint32_t>(x + y) / 12 + channel * 40 + (mixed >> 26));
}

// A desktop as Print Screen gives it: a CF_DIB of 32 bits, bottom-up: flat windows with
// lines of dark "text" dots, and a photograph in a quarter of the screen.
std::string Screenshot() {
  BITMAPINFOHEADER header{sizeof header, kWidth, kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::string dib(reinterpret_cast<const char*>(&header), sizeof header);
  dib.reserve(sizeof header + 4 * kWidth * kHeight);
  for (LONG y = 0; y < kHeight; ++y) {
    for (LONG x = 0; x < kWidth; ++x) {
      if (x >= kWidth / 2 && y < kHeight / 2) {
        dib += {Grain(x, y, 0), Grain(x, y, 1), Grain(x, y, 2), '\0'};
        continue;
      }
      const bool text = y % 18 < 10 && (x * 7 + y * 13) % 11 < 4;
      const auto shade = static_cast<char>(text ? 30 : 240 - x / 64);
      dib += {shade, shade, static_cast<char>(text ? 30 : 250), '\0'};
    }
  }
  return dib;
}

// Action 1 saves pictures into `folder`, named "Bild.png". The PNG a save wrote is
// checked and removed afterwards.
class PictureSave {
 public:
  explicit PictureSave(const std::string& folder)
      : save_({{"Aktiviert", "ja"},
               {"Dateiname", ""},
               {"Speicherpfad", folder},
               {"Aktion", "bilder"}}),
        path_(folder + "\\Bild.png") {}

  double RunMs() {
    const double ms = save_.RunMs();
    pngBytes_ = FileSize(path_);
    if (pngBytes_ < 1000) throw std::runtime_error("The picture's PNG is too small");
    DeleteOrThrow(path_);
    return ms;
  }

  unsigned long long PngBytes() const { return pngBytes_; }

 private:
  BenchSave save_;
  std::string path_;
  unsigned long long pngBytes_ = 0;
};

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw std::runtime_error(std::string(what) + " failed");
}

// The clipboard's bitmap encoded where it lies: its rows, bottom-up in the DIB, handed
// to the encoder top row first, in the bitmap's own 32-bit format.
void EncodeDib(IWICImagingFactory* factory, IStream* stream, HANDLE data) {
  auto* dib = static_cast<BYTE*>(GlobalLock(data));
  if (!dib) throw Win32Failure("Reading CF_DIB");
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
  const auto width = static_cast<UINT>(header->biWidth);
  const auto height = static_cast<UINT>(header->biHeight);
  BYTE* const rows = dib + header->biSize;
  Released<IWICBitmapEncoder> encoder;
  Released<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.pointer),
        "CreateEncoder");
  Check(encoder->Initialize(stream, WICBitmapEncoderNoCache), "Initialize");
  Check(encoder->CreateNewFrame(&frame.pointer, nullptr), "CreateNewFrame");
  Check(frame->Initialize(nullptr), "frame Initialize");
  Check(frame->SetSize(width, height), "SetSize");
  Check(frame->SetPixelFormat(&format), "SetPixelFormat");
  if (format != GUID_WICPixelFormat32bppBGR) throw std::runtime_error("The encoder wants 24 bits");
  for (UINT row = height; row-- > 0;) {
    Check(frame->WritePixels(1, 4 * width, 4 * width, rows + size_t{row} * 4 * width),
          "WritePixels");
  }
  GlobalUnlock(data);
  Check(frame->Commit(), "frame Commit");
  Check(encoder->Commit(), "Commit");
}

std::string StreamBytes(IStream* stream) {
  ULARGE_INTEGER end{};
  HGLOBAL memory = nullptr;
  Check(stream->Seek({}, STREAM_SEEK_CUR, &end), "Seek");
  Check(GetHGlobalFromStream(stream, &memory), "GetHGlobalFromStream");
  std::string png(static_cast<const char*>(GlobalLock(memory)), static_cast<size_t>(end.QuadPart));
  GlobalUnlock(memory);
  return png;
}

// The least work of the job: the clipboard's bitmap encoded without a copy of it (the
// clipboard stays open meanwhile), the PNG written with one WriteFile.
double LeastPictureSaveMs(HWND owner, const std::string& folder) {
  const std::string path = folder + "\\raw.png";
  const double ms = TimedMs([&] {
    Released<IWICImagingFactory> factory;
    Released<IStream> stream;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IWICImagingFactory, factory.Out()),
          "CoCreateInstance");
    Check(CreateStreamOnHGlobal(nullptr, TRUE, &stream.pointer), "CreateStreamOnHGlobal");
    {
      ClipboardSession session(owner);
      HANDLE data = session.IsOpen() ? GetClipboardData(CF_DIB) : nullptr;
      if (!data) throw Win32Failure("GetClipboardData(CF_DIB)");
      EncodeDib(factory.pointer, stream.pointer, data);
    }
    WriteRawFile(path, StreamBytes(stream.pointer));
  });
  DeleteOrThrow(path);
  return ms;
}

}  // namespace

void PrintPictureSaveRow(const std::string& folder, HWND clipboardOwner) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  PutOnClipboard(clipboardOwner, CF_DIB, Screenshot());
  PictureSave save(folder);
  save.RunMs();
  LeastPictureSaveMs(clipboardOwner, folder);
  std::vector<double> saves, leasts;
  for (int run = 0; run < kRuns; ++run) {
    leasts.push_back(LeastPictureSaveMs(clipboardOwner, folder));
    saves.push_back(save.RunMs());
  }
  std::printf(
      "\nCopied picture to a PNG file vs. its least work (read CF_DIB, encode, one "
      "WriteFile), medians in ms\n%-24s %5s %7s %10s %10s %6s\n%-24s %5d %7.2f %10.1f "
      "%10.1f %6.2f\n",
      "case", "runs", "PNG MB", "Speichern", "least", "ratio", "1920x1080 screenshot", kRuns,
      static_cast<double>(save.PngBytes()) / (1024.0 * 1024.0), Median(saves), Median(leasts),
      Median(saves) / Median(leasts));
  std::fflush(stdout);
  ClearClipboard(clipboardOwner);
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace qm::bench
