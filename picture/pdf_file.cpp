// The file is read through its own cross-reference table, never by looking
// for "obj" in it: compressed streams may hold any bytes.
#include "picture/pdf_file.h"

#include <zlib.h>

#include <QRegularExpression>

namespace kinmora {
namespace {

constexpr int kEntry = 20;  // bytes of one cross-reference entry

int numberAfter(const QByteArray& text, const QByteArray& key) {
    const qsizetype at = text.indexOf(key);
    if (at < 0) return 0;
    qsizetype i = at + key.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n')) ++i;
    int number = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        number = number * 10 + (text[i++] - '0');
    return number;
}

std::optional<QByteArray> inflate(const QByteArray& data) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::nullopt;
    QByteArray out;
    char chunk[65536];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        status = ::inflate(&z, Z_NO_FLUSH);
        out.append(chunk, static_cast<qsizetype>(sizeof chunk - z.avail_out));
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END) return std::nullopt;
    return out;
}

QByteArray deflate(const QByteArray& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    // The fastest level: the text of a large chart is tens of megabytes.
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(data.constData()), static_cast<uLong>(data.size()),
              Z_BEST_SPEED);
    out.truncate(static_cast<qsizetype>(size));
    return out;
}

}  // namespace

std::optional<PdfFile> PdfFile::read(const QByteArray& pdf) {
    const qsizetype mark = pdf.lastIndexOf("startxref");
    if (mark < 0) return std::nullopt;
    const qsizetype xref = numberAfter(pdf.mid(mark), "startxref");
    if (xref <= 0 || !pdf.mid(xref).startsWith("xref\n0 ")) return std::nullopt;
    PdfFile file;
    file.m_size = numberAfter(pdf.mid(xref, 40), "xref\n0");
    const qsizetype table = pdf.indexOf('\n', xref + 5) + 1;
    const qsizetype trailer = table + qsizetype{file.m_size} * kEntry;
    if (file.m_size <= 0 || trailer > pdf.size() || !pdf.mid(trailer).startsWith("trailer"))
        return std::nullopt;
    for (int n = 1; n < file.m_size; ++n) {
        const QByteArray entry = pdf.mid(table + qsizetype{n} * kEntry, kEntry);
        if (entry.size() != kEntry || entry[17] != 'n') continue;
        const qsizetype offset = entry.left(10).toLongLong();
        if (offset <= 0 || offset >= xref) return std::nullopt;
        file.m_order.emplace(offset, n);
    }
    if (file.m_order.empty()) return std::nullopt;
    file.m_head = pdf.left(file.m_order.begin()->first);
    for (auto it = file.m_order.begin(); it != file.m_order.end(); ++it) {
        const auto next = std::next(it);
        const qsizetype end = next == file.m_order.end() ? xref : next->first;
        file.m_objects[it->second] = pdf.mid(it->first, end - it->first);
    }
    file.m_trailer = pdf.mid(trailer, pdf.indexOf("startxref", trailer) - trailer);
    return file;
}

QByteArray PdfFile::object(int number) const {
    const auto it = m_objects.find(number);
    return it == m_objects.end() ? QByteArray() : it->second;
}

std::vector<int> PdfFile::pageContents() const {
    std::vector<int> contents;
    const QByteArray catalog = object(numberAfter(m_trailer, "/Root"));
    const QByteArray pages = object(numberAfter(catalog, "/Pages"));
    const qsizetype open = pages.indexOf("/Kids");
    const qsizetype close = pages.indexOf(']', open);
    if (open < 0 || close < 0) return contents;
    static const QRegularExpression reference(QStringLiteral("(\\d+) 0 R"));
    const QString kids = QString::fromLatin1(pages.mid(open, close - open));
    for (const QRegularExpressionMatch& m : reference.globalMatch(kids))
        contents.push_back(numberAfter(object(m.captured(1).toInt()), "/Contents"));
    return contents;
}

std::optional<PdfFile::Stream> PdfFile::stream(const QByteArray& object) const {
    const qsizetype start = object.indexOf(">>\nstream\n");
    const qsizetype end = object.lastIndexOf("\nendstream");
    if (start < 0 || end < start) return std::nullopt;
    const QByteArray dictionary = object.left(start);
    if (!dictionary.contains("/Filter /FlateDecode") || dictionary.contains("/DecodeParms"))
        return std::nullopt;
    const qsizetype length = dictionary.indexOf("/Length ");
    if (length < 0 || !dictionary.mid(length).contains(" 0 R")) return std::nullopt;
    const int lengthObject = numberAfter(dictionary, "/Length");
    if (!m_objects.contains(lengthObject)) return std::nullopt;
    return Stream{start + 10, end, lengthObject};
}

std::optional<QByteArray> PdfFile::streamData(int number) const {
    const QByteArray text = object(number);
    const std::optional<Stream> s = stream(text);
    if (!s) return std::nullopt;
    return inflate(text.mid(s->start, s->end - s->start));
}

void PdfFile::setStreamData(int number, const QByteArray& data) {
    QByteArray& text = m_objects[number];
    const std::optional<Stream> s = stream(text);
    if (!s) return;
    const QByteArray packed = deflate(data);
    text.replace(s->start, s->end - s->start, packed);
    m_objects[s->lengthObject] = QByteArray::number(s->lengthObject) + " 0 obj\n" +
                                 QByteArray::number(packed.size()) + "\nendobj\n";
}

QByteArray PdfFile::bytes() const {
    QByteArray out = m_head;
    std::map<int, qsizetype> offsets;
    for (const auto& [offset, number] : m_order) {
        offsets[number] = out.size();
        out += m_objects.at(number);
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(m_size) + "\n0000000000 65535 f \n";
    for (int n = 1; n < m_size; ++n) {
        const auto it = offsets.find(n);
        out += it == offsets.end()
                   ? QByteArray("0000000000 65535 f \n")
                   : QByteArray::number(it->second).rightJustified(10, '0') + " 00000 n \n";
    }
    out += m_trailer + "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace kinmora
