// The node pictures of ImageList1 and the toolbar icons of ImageList3: each
// key or index has its own picture, and unknown ones have none.
#include <QSet>
#include <QtTest>

#include "app/image_list1.h"
#include "app/image_list3.h"

using kinmora::ImageList1;
using kinmora::ImageList3;

namespace {

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

    void everyKeyHasItsOwnPictureAndUnknownKeysNone() {
        QSet<QByteArray> nodes;
        for (const QString& key : ImageList1::keys()) nodes.insert(bytes(ImageList1::image(key)));
        QCOMPARE(nodes.size(), 8);
        QVERIFY(ImageList1::image(QStringLiteral("Male")).isNull());
        QVERIFY(ImageList1::icon(QString()).isNull());

        QSet<QByteArray> icons;
        for (int index = 1; index <= ImageList3::kCount; ++index)
            icons.insert(bytes(ImageList3::image(index)));
        QCOMPARE(icons.size(), ImageList3::kCount);
        QVERIFY(ImageList3::image(0).isNull());
        QVERIFY(ImageList3::icon(ImageList3::kCount + 1).isNull());
    }
};

QTEST_MAIN(ImageListsTest)
#include "image_lists_test.moc"
