#include "platform/qt/picture.h"

#include <QResource>
#include <QtEndian>

namespace orvanel {
namespace {

quint32 U32(const uchar* at) { return qFromLittleEndian<quint32>(at); }
quint16 U16(const uchar* at) { return qFromLittleEndian<quint16>(at); }

}  // namespace

QImage ResourcePicture(std::string_view name) {
  const QString path =
      QStringLiteral(":/ui/") + QString::fromUtf8(name.data(), qsizetype(name.size())) + QStringLiteral(".bmp");
  const QResource resource(path);
  const uchar* bmp = resource.data();
  if (resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < 66 || bmp[0] != 'B' ||
      bmp[1] != 'M') {
    return QImage(path);
  }
  const auto width = qint32(U32(bmp + 18));
  const auto height = -qint32(U32(bmp + 22));  // top down
  const bool in_place = width > 0 && height > 0 && U16(bmp + 28) == 16 && U32(bmp + 30) == 3 &&
                        U32(bmp + 54) == 0x7C00 && U32(bmp + 58) == 0x03E0 && U32(bmp + 62) == 0x001F &&
                        resource.size() >= qint64(U32(bmp + 10)) + qint64(width) * height * 2 && width % 2 == 0;
  if (!in_place) return QImage(path);
  return QImage(bmp + U32(bmp + 10), width, height, width * 2, QImage::Format_RGB555);
}

}  // namespace orvanel
