#include "ui/screen_units_win.h"

namespace qm {

namespace {

constexpr int kUsualDpi = 96;

}  // namespace

SIZE ScreenDpi() {
  SIZE dpi{kUsualDpi, kUsualDpi};
  if (HDC screen = GetDC(nullptr)) {
    if (const int x = GetDeviceCaps(screen, LOGPIXELSX); x > 0) dpi.cx = x;
    if (const int y = GetDeviceCaps(screen, LOGPIXELSY); y > 0) dpi.cy = y;
    ReleaseDC(nullptr, screen);
  }
  return dpi;
}

SIZE ScreenTwips(int widthTwips, int heightTwips) {
  const SIZE dpi = ScreenDpi();
  return {TwipsToPixels(widthTwips, dpi.cx), TwipsToPixels(heightTwips, dpi.cy)};
}

RECT PixelRect(const TwipsRect& twips, SIZE dpi) {
  const int left = TwipsToPixels(twips.left, dpi.cx);
  const int top = TwipsToPixels(twips.top, dpi.cy);
  return {left, top, left + TwipsToPixels(twips.width, dpi.cx),
          top + TwipsToPixels(twips.height, dpi.cy)};
}

OwnedFont PointFont(const wchar_t* face, int tenthsOfPoint, bool bold) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(tenthsOfPoint, ScreenDpi().cy, 720);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  // Where the face is missing, the system picks one of the same family: every face we ask
  // for is sans-serif.
  font.lfPitchAndFamily = FF_SWISS;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return OwnedFont(CreateFontIndirectW(&font));
}

OwnedFont SystemDialogFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return PointFont(L"MS Shell Dlg", 80, false);
  }
  return OwnedFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace qm
