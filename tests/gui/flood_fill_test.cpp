#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "app/flood_fill.h"

using namespace billpay::gui;

namespace {

const QColor kAqua(0, 255, 255);
const QColor kFace(240, 240, 240);

// One character per pixel: 'a' aqua, 'F' the fill colour, anything else black.
QImage Picture(const std::vector<const char*>& rows) {
    QImage image(static_cast<int>(strlen(rows[0])), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = rows[y][x];
            image.setPixelColor(x, y, c == 'a' ? kAqua : c == 'F' ? kFace : QColor(Qt::black));
        }
    }
    return image;
}

std::vector<std::string> Rows(const QImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            row += c == kAqua ? 'a' : c == kFace ? 'F' : '#';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(FloodFill, FillsOnlyTheAreaConnectedThroughEdges) {
    QImage image = Picture({
        "aaaaaaa", "aa####a",
        "a#aaa#a",  // enclosed: stays aqua
        "a#####a", "aaa#aaa",
        "aa#a#aa",  // (3,5) touches the area only at its corners: stays aqua
    });
    EXPECT_EQ(FloodFill(image, {1, 1}, kAqua, kFace), 24);
    const std::vector<std::string> expected = {
        "FFFFFFF", "FF####F", "F#aaa#F", "F#####F", "FFF#FFF", "FF#a#FF",
    };
    EXPECT_EQ(Rows(image), expected);
}

TEST(FloodFill, WindingAreaIsFilledWithoutDeepRecursion) {
    // A one-pixel path snaking through a large picture: a recursive fill
    // would need one frame per pixel.
    const int size = 1001;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    int path = 0;
    for (int y = 0; y < size; y += 2) {
        for (int x = 0; x < size; ++x) image.setPixelColor(x, y, kAqua);
        path += size;
        if (y + 1 < size) {
            image.setPixelColor((y / 2) % 2 == 0 ? size - 1 : 0, y + 1, kAqua);
            ++path;
        }
    }
    EXPECT_EQ(FloodFill(image, {0, 0}, kAqua, kFace), path);
    EXPECT_EQ(image.pixelColor(size - 1, size - 1), kFace);
}

TEST(FloodFill, NothingToFill) {
    const struct {
        const char* name;
        QPoint start;
        QColor replacement;
    } cases[] = {
        {"start outside", {5, 0}, kFace},
        {"start on another colour", {1, 0}, kFace},
        {"same colours", {0, 0}, kAqua},
    };
    for (const auto& c : cases) {
        QImage image = Picture({"a#a"});
        EXPECT_EQ(FloodFill(image, c.start, kAqua, c.replacement), 0) << c.name;
        EXPECT_EQ(Rows(image), std::vector<std::string>{"a#a"}) << c.name;
    }
    QImage empty;
    EXPECT_EQ(FloodFill(empty, {0, 0}, kAqua, kFace), 0);
}

TEST(FloodFill, ImageOfAnotherFormatIsFilledToo) {
    QImage image = Picture({"aa", "a#"}).convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(FloodFill(image, {1, 0}, kAqua, kFace), 3);
    EXPECT_EQ(Rows(image), (std::vector<std::string>{"FF", "F#"}));
}

}  // namespace
