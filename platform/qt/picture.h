// A picture linked into the program as a Qt resource.
#pragma once

#include <string_view>

#include <QImage>

namespace orvanel {

// The bitmap ":/ui/NAME.bmp". A top-down RGB 5-5-5 bitmap of 16 bits a pixel
// is already a QImage in memory: shown in place, with no copy and no decode.
// A bitmap in any other layout is decoded as usual.
QImage ResourcePicture(std::string_view name);

}  // namespace orvanel
