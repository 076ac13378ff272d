// The tool-bar icons: every command name is drawn, at both sizes, in the two colours of
// the set, and no two commands share a picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "render/CommandIcons.h"

namespace lumaret::render {
namespace {

QImage Picture(const QIcon& icon, int size) { return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32); }

struct Inks {
  int opaque = 0, grey = 0, blue = 0;
};

// Counts the drawn pixels, and among the nearly opaque ones the dark grey and the blue.
Inks Count(const QImage& image) {
  Inks inks;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() == 0) continue;
      ++inks.opaque;
      if (c.alpha() < 200) continue;
      if (c.blue() > c.red() + 80) ++inks.blue;
      else if (c.red() < 110 && std::abs(c.red() - c.blue()) < 20) ++inks.grey;
    }
  return inks;
}

TEST(CommandIconsTest, EveryNameIsDrawnAtBothSizesInInkAndAccent) {
  ASSERT_FALSE(CommandIconNames().isEmpty());
  for (const QString& name : CommandIconNames()) {
    SCOPED_TRACE(name.toStdString());
    const QIcon icon = CommandIcon(name);
    ASSERT_FALSE(icon.isNull());
    for (int size : {24, 48}) {
      const QImage image = Picture(icon, size);
      ASSERT_EQ(image.size(), QSize(size, size));
      const Inks inks = Count(image);
      // Something is drawn, the background stays clear, and both colours appear.
      EXPECT_GT(inks.opaque, size * size / 20) << size;
      for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << size << " at " << corner.x() << "," << corner.y();
      EXPECT_GT(inks.grey, 0) << size;
      EXPECT_GT(inks.blue, 0) << size;
    }
  }
}

TEST(CommandIconsTest, DifferentNamesGiveDifferentPictures) {
  for (int size : {24, 48}) {
    const QStringList names = CommandIconNames();
    QList<QImage> pictures;
    for (const QString& name : names) pictures << Picture(CommandIcon(name), size);
    for (qsizetype i = 0; i < pictures.size(); ++i)
      for (qsizetype j = i + 1; j < pictures.size(); ++j)
        EXPECT_NE(pictures[i], pictures[j]) << names[i].toStdString() << " and " << names[j].toStdString() << " at " << size;
  }
}

TEST(CommandIconsTest, UnknownNamesGiveANullIcon) {
  for (const QString& name : {QString(), QString("Open"), QString("print"), QString("open ")})
    EXPECT_TRUE(CommandIcon(name).isNull()) << name.toStdString();
}

TEST(CommandIconsTest, ApplicationIconIsOpaqueInsideItsFrameAndBlueAtTheLobe) {
  const QImage image = Picture(ApplicationIcon(), 64);
  ASSERT_EQ(image.size(), QSize(64, 64));
  EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);        // outside the rounded frame
  EXPECT_EQ(image.pixelColor(32, 52).alpha(), 255);    // the light background
  const QColor lobe = image.pixelColor(32, 16);        // inside the main lobe, above the centre
  EXPECT_GT(lobe.blue(), lobe.red() + 40);
}

}  // namespace
}  // namespace lumaret::render
