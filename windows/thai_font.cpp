// The family is looked up once: font matching is slow and the answer never changes.
#include "windows/thai_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace kinmora {
namespace {

QString thaiFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"MS Sans Serif", "Tahoma", "Loma", "Garuda", "Tlwg Typo", "Norasi"})
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    for (const QString& family : installed)
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai)) return family;
    return QFont().family();
}

}  // namespace

QFont thaiFont(double pointSize, bool bold) {
    static const QString family = thaiFamily();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace kinmora
