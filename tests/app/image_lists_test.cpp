// The node pictures of ImageList1 and the toolbar icons of ImageList3: each
// key or index has its own picture, and unknown ones have none.
#include <QSet>
#include <QtTest>
#include <functional>

#include "app/image_list1.h"
#include "app/image_list3.h"

using kinmora::ImageList1;
using kinmora::ImageList3;

namespace {

int count(const QImage& image, const std::function<bool(QColor)>& wanted) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += wanted(image.pixelColor(x, y));
    return n;
}

QByteArray bytes(const QImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
}

}  // namespace

class ImageListsTest : public QObject {
    Q_OBJECT

private slots:
    // A picked node keeps its picture: no tint of the selection colour.
    void selectedNodeLooksTheSame() {
        for (const QString& key : ImageList1::keys()) {
            const QIcon icon = ImageList1::icon(key);
            QCOMPARE(icon.pixmap(QSize(14, 12), QIcon::Selected).toImage(),
                     icon.pixmap(QSize(14, 12), QIcon::Normal).toImage());
        }
    }

    // The tile's colour, then what is drawn on it: a black frame (the root's
    // pictures), a black arrow, a red cross or tick, a white heart.
    void nodeImages_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("look");
        QTest::newRow("upper") << "upper"
                               << "yellow frame arrow";
        QTest::newRow("noupper") << "noupper"
                                 << "yellow frame red";
        QTest::newRow("male") << "male"
                              << "blue";
        QTest::newRow("female") << "female"
                                << "pink";
        QTest::newRow("cmale") << "cmale"
                               << "blue red";
        QTest::newRow("cfemale") << "cfemale"
                                 << "pink red";
        QTest::newRow("husband") << "husband"
                                 << "blue heart";
        QTest::newRow("wife") << "wife"
                              << "pink heart";
    }
    void nodeImages() {
        QFETCH(QString, key);
        QFETCH(QString, look);
        const QImage image = ImageList1::image(key);
        QCOMPARE(image.size(), QSize(14, 12));
        const QColor corner = image.pixelColor(1, 1);
        if (look.startsWith(QLatin1String("yellow")))
            QCOMPARE(corner, QColor(255, 255, 0));
        else if (look.startsWith(QLatin1String("blue")))
            QVERIFY(corner.blue() > corner.red() && corner.lightness() > 150);
        else
            QVERIFY(corner.red() > corner.green() && corner.lightness() > 150);
        const auto black = [](QColor c) { return c == Qt::black; };
        const QImage inside = image.copy(1, 1, 12, 10);
        const int border = 2 * (image.width() + image.height()) - 4;
        QCOMPARE(count(image, black) - count(inside, black) == border, look.contains("frame"));
        QCOMPARE(count(inside, black) > 4, look.contains("arrow"));
        QCOMPARE(count(image, [](QColor c) { return c.red() > 200 && c.green() < 60; }) > 4,
                 look.contains("red"));
        QCOMPARE(count(image, [](QColor c) { return c == Qt::white; }) > 4, look.contains("heart"));
        QVERIFY(!ImageList1::icon(key).isNull());
    }

    void nodeImagesDifferAndUnknownKeysHaveNone() {
        QSet<QByteArray> seen;
        for (const QString& key : ImageList1::keys()) seen.insert(bytes(ImageList1::image(key)));
        QCOMPARE(seen.size(), 8);
        QVERIFY(ImageList1::image(QStringLiteral("Male")).isNull());
        QVERIFY(ImageList1::icon(QString()).isNull());
    }

    void toolbarIcons() {
        QSet<QByteArray> seen;
        for (int index = 1; index <= ImageList3::kCount; ++index) {
            const QImage image = ImageList3::image(index);
            QCOMPARE(image.size(), QSize(32, 32));
            // Drawn on a clear ground, filling a fair part of it.
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
            QVERIFY2(count(image, [](QColor c) { return c.alpha() > 128; }) > 150,
                     qPrintable(QString::number(index)));
            seen.insert(bytes(image));
        }
        QCOMPARE(seen.size(), ImageList3::kCount);
        QVERIFY(ImageList3::image(0).isNull());
        QVERIFY(ImageList3::icon(7).isNull());
    }
};

QTEST_MAIN(ImageListsTest)
#include "image_lists_test.moc"
