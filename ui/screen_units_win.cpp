#include "ui/screen_units_win.h"

#include "ui/twips.h"

namespace qm {

SIZE ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (!screen) return {96, 96};
  const SIZE dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  return dpi;
}

SIZE ScreenTwips(int widthTwips, int heightTwips) {
  const SIZE dpi = ScreenDpi();
  return {TwipsToPixels(widthTwips, dpi.cx), TwipsToPixels(heightTwips, dpi.cy)};
}

OwnedFont PointFont(const wchar_t* face, int tenthsOfPoint, bool bold) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(tenthsOfPoint, ScreenDpi().cy, 720);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
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
