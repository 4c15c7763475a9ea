#include "ui/background.h"

#include <QResource>
#include <QtEndian>

namespace orvanel {
namespace {

constexpr int Width = 300;
constexpr int Height = 200;

quint32 U32(const uchar* at) { return qFromLittleEndian<quint32>(at); }
quint16 U16(const uchar* at) { return qFromLittleEndian<quint16>(at); }

}  // namespace

QImage BackgroundPicture() {
  const QString path = QStringLiteral(":/ui/background.bmp");
  const QResource resource(path);
  const uchar* bmp = resource.data();
  const qint64 pixels = qint64(Width) * Height * 2;
  const bool in_place = resource.compressionAlgorithm() == QResource::NoCompression &&
                        resource.size() >= 66 && bmp[0] == 'B' && bmp[1] == 'M' && U32(bmp + 18) == Width &&
                        qint32(U32(bmp + 22)) == -Height && U16(bmp + 28) == 16 && U32(bmp + 30) == 3 &&
                        U32(bmp + 54) == 0x7C00 && U32(bmp + 58) == 0x03E0 && U32(bmp + 62) == 0x001F &&
                        resource.size() >= qint64(U32(bmp + 10)) + pixels;
  if (!in_place) return QImage(path);
  return QImage(bmp + U32(bmp + 10), Width, Height, Width * 2, QImage::Format_RGB555);
}

}  // namespace orvanel
