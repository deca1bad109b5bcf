#pragma once

#include <windows.h>

#include <string>

#include "clipboard/copied_picture.h"

namespace qm {

// The picture as the bytes of a PNG file, made by the system's own encoder (Windows
// Imaging Component): no library of ours, and the pixels are written as they are, with
// the alpha channel where the picture has one. The rows are handed over a few at a
// time, so that no copy of the whole picture is made. The encoder's result.
HRESULT EncodePng(const DibPicture& picture, std::string& png);

}  // namespace qm
