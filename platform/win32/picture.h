// A bitmap linked into the program as a resource, shown from where it lies.
#pragma once

#include <string_view>
#include <windows.h>

namespace orvanel {

struct ResourceBitmap {
  const BITMAPINFO* info = nullptr;  // nullptr when there is no such bitmap
  const void* bits = nullptr;
  int width = 0;
  int height = 0;
};

// The bitmap resource NAME, in place: no copy and no conversion, so a 5-5-5
// bitmap is drawn as the 5-5-5 bitmap it is.
ResourceBitmap LoadResourceBitmap(std::string_view name);

}  // namespace orvanel
