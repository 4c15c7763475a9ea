// Draws the main window's background picture and stores it as the 16-bit
// RGB 5-5-5 bitmap that the program embeds:
//
//   draw_background ui/background.bmp
//
// The text is set in DejaVu Sans Bold (Debian's fonts-dejavu-core), which
// must be installed where the picture is drawn, not where the program is built.
#include <QSaveFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bank/home_page.h"

namespace {

constexpr int Width = 300;
constexpr int Height = 200;

struct Rgb {
  double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Amber, lit softly from the upper left.
Rgb Panel(int x, int y) {
  const Rgb upper_left{228, 161, 16};
  const Rgb middle{211, 150, 16};
  const Rgb lower_right{183, 126, 13};
  const double t = (x / double(Width - 1) + y / double(Height - 1)) / 2;
  return t < 0.5 ? Mix(upper_left, middle, t * 2) : Mix(middle, lower_right, t * 2 - 1);
}

// A band of 8 pixels on each edge, the nearest edge deciding at the corners,
// shading into the panel over four more.
Rgb Background(int x, int y) {
  constexpr int Band = 8;
  constexpr int Shade = 4;
  struct Edge {
    int distance;
    Rgb colour;
  };
  const Edge edges[] = {
      {y, {214, 198, 180}},               // top: light beige
      {x, {135, 93, 43}},                 // left: brown
      {Width - 1 - x, {139, 104, 57}},    // right
      {Height - 1 - y, {146, 108, 64}},   // bottom
  };
  const Edge nearest = *std::min_element(std::begin(edges), std::end(edges),
                                         [](const Edge& a, const Edge& b) { return a.distance < b.distance; });
  const Rgb panel = Panel(x, y);
  if (nearest.distance < Band) return nearest.colour;
  if (nearest.distance < Band + Shade) {
    return Mix(nearest.colour, panel, (nearest.distance - Band + 1) / double(Shade + 1));
  }
  return panel;
}

QImage DrawPanel() {
  QImage image(Width, Height, QImage::Format_RGB32);
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const Rgb c = Background(x, y);
      image.setPixel(x, y, qRgb(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b))));
    }
  }
  return image;
}

struct TextLine {
  QString text;
  int cap_top;  // the row of the capitals' top; they are 12 rows tall
  bool underlined;
};

// White text, each line centred, over a soft dark shadow.
void DrawText(QImage& image, const TextLine (&lines)[3]) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(100);
  font.setPixelSize(int(std::lround(100 * 12 / QFontMetricsF(font).capHeight())));
  const QFontMetricsF metrics(font);

  // The home-page line must stay inside its click area: condense every line
  // alike until that one fits 154 columns.
  const TextLine& link = lines[2];
  const double condense = std::min(1.0, 154 / metrics.horizontalAdvance(link.text));

  QImage ink(image.size(), QImage::Format_ARGB32_Premultiplied);
  ink.fill(Qt::transparent);
  {
    QPainter painter(&ink);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (const TextLine& line : lines) {
      const double width = metrics.horizontalAdvance(line.text) * condense;
      const double left = (Width - width) / 2;
      const int baseline = line.cap_top + 12;
      painter.save();
      painter.translate(left, baseline);
      painter.scale(condense, 1);
      painter.drawText(QPointF(0, 0), line.text);
      painter.restore();
      if (line.underlined) painter.fillRect(QRectF(left, baseline + 1, width, 1), Qt::white);
    }
  }

  // The shadow: the ink moved one pixel down and right, blurred over 3 x 3.
  QImage shadow(image.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      int alpha = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int sx = x - 1 + dx;
          const int sy = y - 1 + dy;
          if (sx >= 0 && sy >= 0 && sx < Width && sy < Height) alpha += qAlpha(ink.pixel(sx, sy));
        }
      }
      shadow.setPixel(x, y, qRgba(0, 0, 0, std::min(255, alpha * 130 / (9 * 255))));
    }
  }
  QPainter painter(&image);
  painter.drawImage(0, 0, shadow);
  painter.drawImage(0, 0, ink);
}

// BITMAPFILEHEADER, BITMAPINFOHEADER with BI_BITFIELDS, the three masks, then
// the rows top down (a negative height), 16 bits a pixel, 5 each for red,
// green and blue: the very layout of QImage::Format_RGB555, so the program
// shows the embedded pixels as they are, with nothing to decode.
QByteArray Bitmap555(const QImage& image) {
  const int row_bytes = Width * 2;  // already a multiple of 4
  const quint32 pixel_offset = 14 + 40 + 12;
  QByteArray out;
  const auto put16 = [&](quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
  const auto put32 = [&](quint32 v) { put16(quint16(v & 0xFFFF)); put16(quint16(v >> 16)); };
  out.append("BM");
  put32(pixel_offset + row_bytes * Height);
  put32(0);
  put32(pixel_offset);
  put32(40);
  put32(Width);
  put32(quint32(-Height));  // top down
  put16(1);   // planes
  put16(16);  // bits per pixel
  put32(3);   // BI_BITFIELDS
  put32(row_bytes * Height);
  put32(3780);  // 96 pixels per inch
  put32(3780);
  put32(0);
  put32(0);
  put32(0x7C00);
  put32(0x03E0);
  put32(0x001F);
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const QRgb p = image.pixel(x, y);
      const auto five = [](int v) { return quint16(std::min(31, (v * 31 + 127) / 255)); };
      put16(quint16(five(qRed(p)) << 10 | five(qGreen(p)) << 5 | five(qBlue(p))));
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_background OUTPUT.bmp\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);

  QImage image = DrawPanel();
  const QString home_page = QString::fromLatin1(orvanel::HomePageAddress.data(),
                                                qsizetype(orvanel::HomePageAddress.size()));
  DrawText(image, {
                      {QStringLiteral("Orvanel"), 26, false},
                      {QStringLiteral("Written by Ada Brightwater"), 66, false},
                      {home_page, 86, true},
                  });

  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(Bitmap555(image)) < 0 || !file.commit()) {
    std::fprintf(stderr, "draw_background: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
