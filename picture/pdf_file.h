// The objects of a PDF as QPdfWriter writes it (one cross-reference table,
// objects one after another), to replace some of them and write the file
// again with offsets that match.
#pragma once

#include <QByteArray>
#include <map>
#include <optional>
#include <vector>

namespace kinmora {

class PdfFile {
public:
    // Reads the cross-reference table of `pdf`; nothing when the file is not
    // laid out as QPdfWriter lays it out.
    static std::optional<PdfFile> read(const QByteArray& pdf);

    // The whole text of object `number`, "N 0 obj" to "endobj" and what
    // follows up to the next object; empty when there is no such object.
    QByteArray object(int number) const;
    // The object numbers of the pages' content streams, page by page.
    std::vector<int> pageContents() const;
    // The decompressed data of the stream object `number`, or nothing when
    // it is not a Flate stream whose length is an object of its own.
    std::optional<QByteArray> streamData(int number) const;

    // Gives stream object `number` the data `data` (compressed again) and
    // its length object the new length.
    void setStreamData(int number, const QByteArray& data);

    // The file with every replaced object and a cross-reference table to match.
    QByteArray bytes() const;

private:
    struct Stream {
        qsizetype start = 0;  // of the data within the object's text
        qsizetype end = 0;
        int lengthObject = 0;
    };
    std::optional<Stream> stream(const QByteArray& object) const;

    QByteArray m_head;                    // before the first object
    std::map<qsizetype, int> m_order;     // objects by their offset in the file
    std::map<int, QByteArray> m_objects;  // object texts by number
    QByteArray m_trailer;                 // "trailer" up to "startxref"
    int m_size = 0;                       // entries of the cross-reference table
};

}  // namespace kinmora
