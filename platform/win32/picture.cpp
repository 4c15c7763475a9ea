#include "platform/win32/picture.h"

#include <cstdlib>

#include "platform/win32/utf16.h"

namespace orvanel {

ResourceBitmap LoadResourceBitmap(std::string_view name) {
  const HRSRC resource = FindResourceW(nullptr, Utf16(name).c_str(), RT_BITMAP);
  if (resource == nullptr) return {};
  const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, resource)));
  if (header == nullptr || SizeofResource(nullptr, resource) < sizeof(BITMAPINFOHEADER)) return {};
  // The pixels follow the header, the three colour masks of a bit-field
  // bitmap whose header does not hold them, and the palette.
  const bool masks_after = header->biCompression == BI_BITFIELDS && header->biSize == sizeof(BITMAPINFOHEADER);
  const DWORD palette = header->biClrUsed != 0 ? header->biClrUsed : header->biBitCount <= 8 ? 1U << header->biBitCount : 0;
  const auto* bits = reinterpret_cast<const BYTE*>(header) + header->biSize + (masks_after ? 3 * sizeof(DWORD) : 0) +
                     palette * sizeof(RGBQUAD);
  return {reinterpret_cast<const BITMAPINFO*>(header), bits, static_cast<int>(header->biWidth),
          std::abs(static_cast<int>(header->biHeight))};
}

}  // namespace orvanel
