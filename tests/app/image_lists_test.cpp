// The node pictures of ImageList1 and the toolbar icons of ImageList3.
#include <QSet>
#include <QtTest>

#include "app/image_list1.h"
#include "app/image_list3.h"

using kinmora::ImageList1;
using kinmora::ImageList3;

namespace {

int count(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

bool framedInBlack(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, 0) != Qt::black ||
            image.pixelColor(x, image.height() - 1) != Qt::black)
            return false;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(0, y) != Qt::black ||
            image.pixelColor(image.width() - 1, y) != Qt::black)
            return false;
    return true;
}

bool isRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

int countRed(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += isRed(image.pixelColor(x, y));
    return n;
}

}  // namespace

class ImageListsTest : public QObject {
    Q_OBJECT

private slots:
    void nodeImages_data();
    void nodeImages();
    void nodeImagesDiffer();
    void unknownNodeImage();
    void toolbarIcons();
};

void ImageListsTest::nodeImages_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QString>("tile");      // the colour at the top-left inside corner
    QTest::addColumn<bool>("red");          // a red cross or tick
    QTest::addColumn<bool>("white");        // a white heart
    QTest::addColumn<bool>("blackInside");  // the arrow
    QTest::newRow("upper") << "upper" << true << "yellow" << false << false << true;
    QTest::newRow("noupper") << "noupper" << true << "yellow" << true << false << false;
    QTest::newRow("male") << "male" << false << "blue" << false << false << false;
    QTest::newRow("female") << "female" << false << "pink" << false << false << false;
    QTest::newRow("cmale") << "cmale" << false << "blue" << true << false << false;
    QTest::newRow("cfemale") << "cfemale" << false << "pink" << true << false << false;
    QTest::newRow("husband") << "husband" << false << "blue" << false << true << false;
    QTest::newRow("wife") << "wife" << false << "pink" << false << true << false;
}

void ImageListsTest::nodeImages() {
    QFETCH(QString, key);
    QFETCH(bool, framed);
    QFETCH(QString, tile);
    QFETCH(bool, red);
    QFETCH(bool, white);
    QFETCH(bool, blackInside);
    const QImage image = ImageList1::image(key);
    QCOMPARE(image.size(), QSize(14, 12));
    QCOMPARE(framedInBlack(image), framed);
    const QColor corner = image.pixelColor(1, 1);
    if (tile == QLatin1String("yellow"))
        QCOMPARE(corner, QColor(255, 255, 0));
    else if (tile == QLatin1String("blue"))
        QVERIFY(corner.blue() > corner.red() && corner.lightness() > 150);
    else
        QVERIFY(corner.red() > corner.green() && corner.lightness() > 150);
    QCOMPARE(countRed(image) > 4, red);
    QCOMPARE(count(image, Qt::white) > 4, white);
    const QImage inside = image.copy(1, 1, 12, 10);
    QCOMPARE(count(inside, Qt::black) > 4, blackInside);
}

void ImageListsTest::nodeImagesDiffer() {
    QSet<QByteArray> seen;
    for (const QString& key : ImageList1::keys()) {
        const QImage image = ImageList1::image(key);
        seen.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(ImageList1::keys().size(), 8);
    QCOMPARE(seen.size(), 8);
}

void ImageListsTest::unknownNodeImage() {
    QVERIFY(ImageList1::image(QStringLiteral("Male")).isNull());
    QVERIFY(ImageList1::icon(QStringLiteral("")).isNull());
    QVERIFY(!ImageList1::icon(QStringLiteral("wife")).isNull());
}

void ImageListsTest::toolbarIcons() {
    QSet<QByteArray> seen;
    for (int index = 1; index <= ImageList3::kCount; ++index) {
        const QImage image = ImageList3::image(index);
        QCOMPARE(image.size(), QSize(32, 32));
        // Drawn on a clear ground, filling a fair part of it.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) opaque += image.pixelColor(x, y).alpha() > 128;
        QVERIFY2(opaque > 150, qPrintable(QString::number(index)));
        seen.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(seen.size(), ImageList3::kCount);
    QVERIFY(ImageList3::image(0).isNull());
    QVERIFY(ImageList3::icon(7).isNull());
}

QTEST_MAIN(ImageListsTest)
#include "image_lists_test.moc"
