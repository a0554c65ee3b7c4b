// The private-use code points are the ones Thai fonts have long shared for
// marks shifted down, left, or down and left, and for consonants without
// their descender.
#include "picture/pdf_text_map.h"

#include <QFile>
#include <QHash>

namespace kinmora {
namespace {

const QHash<QByteArray, QByteArray>& thaiForPrivateUse() {
    static const QHash<QByteArray, QByteArray> map = {
        // Shifted down: over a consonant with no upper vowel.
        {"F70A", "0E48"},
        {"F70B", "0E49"},
        {"F70C", "0E4A"},
        {"F70D", "0E4B"},
        {"F70E", "0E4C"},
        {"F718", "0E38"},
        {"F719", "0E39"},
        {"F71A", "0E3A"},
        // Shifted down and left: beside a tall consonant.
        {"F705", "0E48"},
        {"F706", "0E49"},
        {"F707", "0E4A"},
        {"F708", "0E4B"},
        {"F709", "0E4C"},
        // Shifted left: over a tall consonant.
        {"F713", "0E48"},
        {"F714", "0E49"},
        {"F715", "0E4A"},
        {"F716", "0E4B"},
        {"F717", "0E4C"},
        {"F710", "0E31"},
        {"F701", "0E34"},
        {"F702", "0E35"},
        {"F703", "0E36"},
        {"F704", "0E37"},
        {"F712", "0E47"},
        {"F711", "0E4D"},
        // Consonants drawn without their descender, above a lower vowel.
        {"F70F", "0E0D"},
        {"F700", "0E10"},
    };
    return map;
}

}  // namespace

int restoreThaiText(QByteArray& pdf) {
    int rewritten = 0;
    const auto& map = thaiForPrivateUse();
    qsizetype from = 0;
    // Only text inside a character map is touched; page content is binary.
    while ((from = pdf.indexOf("begincmap", from)) >= 0) {
        const qsizetype end = pdf.indexOf("endcmap", from);
        if (end < 0) break;
        for (qsizetype i = pdf.indexOf("<F7", from); i >= 0 && i + 5 < end;
             i = pdf.indexOf("<F7", i + 1)) {
            if (pdf[i + 5] != '>') continue;
            const auto it = map.constFind(pdf.mid(i + 1, 4).toUpper());
            if (it == map.constEnd()) continue;
            pdf.replace(i + 1, 4, *it);
            ++rewritten;
        }
        from = end;
    }
    return rewritten;
}

bool restoreThaiTextInFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return false;
    QByteArray pdf = file.readAll();
    if (restoreThaiText(pdf) == 0) return true;
    // The same length: written over in place.
    return file.seek(0) && file.write(pdf) == pdf.size() && file.flush();
}

}  // namespace kinmora
