// The main window's background picture.
#pragma once

#include <QImage>

namespace orvanel {

// The embedded bitmap, 300 x 200 at 16 bits a pixel, RGB 5-5-5. Stored top
// down, it is already a QImage in memory: shown in place, with no copy and no
// decode. A bitmap in any other layout is decoded as usual.
QImage BackgroundPicture();

}  // namespace orvanel
