// The demo background pictures load the way the player loads them (QImage), at a screen
// size, and are dark enough under the lyric rows for the lit and unlit text to stand out.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QDir appDir() {
    const char* dir = std::getenv("MELODECK_APP_DIR");
    return QDir(dir ? QString::fromLocal8Bit(dir) : QStringLiteral("app"));
}

struct Picture {
    const char* file;
    QSize size;
    const char* format;  // as QImageReader names what it found in the bytes
};

const Picture kPictures[] = {
    {"Night_Lake.jpg", {1024, 768}, "jpeg"}, {"Stage_Lights.bmp", {1024, 768}, "bmp"},
    {"Aurora.gif", {800, 600}, "gif"},       {"Dusk_Hills.jpg", {1024, 768}, "jpeg"},
    {"Bokeh.bmp", {800, 600}, "bmp"},        {"Deep_Sea.gif", {1024, 768}, "gif"},
};

// Mean brightness (0..255) of rows from top to bottom, given as fractions of the height.
double meanLuma(const QImage& image, double top, double bottom) {
    double sum = 0;
    long count = 0;
    for (int y = int(top * image.height()); y < int(bottom * image.height()); ++y)
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            sum += 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
            ++count;
        }
    return sum / count;
}

TEST(DemoPictures, EachLoadsInItsFormatAtAScreenSize) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.file);
        QImageReader reader(appDir().filePath(QString::fromLatin1(picture.file)));
        EXPECT_EQ(reader.format(), QByteArray(picture.format));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), picture.size);
    }
}

TEST(DemoPictures, EveryPictureOfTheFolderIsACalmDarkBackground) {
    const QStringList found =
        appDir().entryList({"*.bmp", "*.jpg", "*.gif"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    EXPECT_GE(found.size(), 4);
    for (const QString& name : found) {
        SCOPED_TRACE(name.toStdString());
        const QImage image(appDir().filePath(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.size() == QSize(1024, 768) || image.size() == QSize(800, 600)) << image.width();
        // Lyric rows sit three quarters down the screen; below them the picture shows through.
        EXPECT_LT(meanLuma(image, 0.6, 0.95), 60.0);
        EXPECT_LT(meanLuma(image, 0.0, 1.0), 80.0);
        EXPECT_GT(meanLuma(image, 0.0, 1.0), 4.0) << "a black picture";
    }
}

}  // namespace
