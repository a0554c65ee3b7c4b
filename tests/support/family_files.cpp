// Tests go through the same writer users have, so every test file is a real Access file.
#include "support/family_files.h"

#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

namespace kinmora::testing {

std::string personRows(const char* people) {
    const QStringList w = QString::fromUtf8(people).split(
        QRegularExpression(QStringLiteral("[\\s|]+")), Qt::SkipEmptyParts);
    if (w.size() % 6) throw std::invalid_argument("persons are given six words each");
    const auto null = [](const QString& word) {
        return word == QLatin1String("-") ? QString() : word;
    };
    std::string csv;
    for (qsizetype i = 0; i < w.size(); i += 6) {
        const QString born = w[i + 3].size() == 4 ? w[i + 3] + "-01-01" : null(w[i + 3]);
        csv += QStringLiteral("%1,%2,,%3,%4,,0,,%5,%6\n")
                   .arg(w[i], w[i + 1], w[i + 2] == QLatin1String("m") ? "1" : "0", born,
                        null(w[i + 4]), null(w[i + 5]))
                   .toStdString();
    }
    return csv;
}

std::string formatName(FileFormat format) {
    static const char* const names[] = {"access97", "access2000", "access2007"};
    return names[static_cast<int>(format)];
}

FamilyFiles::FamilyFiles() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder for test files");
}

QString FamilyFiles::write(const QString& file, const std::string& familyRows,
                           const std::string& marriedRows, const FileKind& kind) {
    return writeTables(
        file, {{"family", kFamilyHeader + familyRows}, {"married", kMarriedHeader + marriedRows}},
        kind);
}

QString FamilyFiles::writeTables(const QString& file,
                                 const std::vector<std::pair<std::string, std::string>>& tables,
                                 const FileKind& kind) {
    std::vector<mkfamily::TableCsv> csv;
    for (const auto& [name, text] : tables) csv.push_back({name, text, name + ".csv"});
    const QString out = m_dir.filePath(file);
    // 2024-03-15 12:00, as an Access day count.
    constexpr double kCreated = 45366.5;
    mkfamily::writeFamilyFile(csv, out.toStdString(), {kind.format, kind.password, kCreated});
    return out;
}

QString FamilyFiles::writeFile(const QString& file, const QByteArray& bytes) {
    const QString out = m_dir.filePath(file);
    QFile f(out);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the test file " + out.toStdString());
    return out;
}

QString FamilyFiles::writeScript(const QString& file, const QByteArray& body) {
    const QString out = writeFile(file, "#!/bin/sh\n" + body + "\n");
    QFile(out).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return out;
}

}  // namespace kinmora::testing
