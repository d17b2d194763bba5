#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

// One archive file as a listing finds it: its name as the file system gives
// it (bytes, which need not be valid UTF-8: a copy from another station's
// code page) and the text shown for it. Two files may show the same text;
// the bytes always tell them apart and reach the one file listed.
struct ArchiveName {
    QByteArray file;
    QString shown;

    bool operator==(const ArchiveName& other) const { return file == other.file; }
    bool operator!=(const ArchiveName& other) const { return file != other.file; }
};

// The names of a listing, in rows. Their bytes lie in one block and each row
// is a span of it, so two hundred thousand tickets cost a few megabytes and
// no allocation of their own; copies share the block until one changes. The
// text shown for a row is decoded when asked for: only the rows in view are.
class ArchiveNames {
public:
    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    QByteArrayView file(qsizetype row) const {
        const Span span = m_rows.at(row);
        return QByteArrayView(m_bytes.constData() + span.offset, span.length);
    }
    QString shown(qsizetype row) const;
    ArchiveName at(qsizetype row) const;

    // The row of the file with these bytes, or -1.
    qsizetype indexOf(QByteArrayView file) const;

    void append(QByteArrayView file);
    void insert(qsizetype row, QByteArrayView file);
    void remove(qsizetype row, qsizetype count = 1);
    // Room for `count` names of `bytes` bytes in all.
    void reserve(qsizetype count, qsizetype bytes);
    // The rows put in the order given: row i becomes the old row order[i].
    void reorder(const QVector<quint32>& order);

    // The same files in the same rows.
    bool operator==(const ArchiveNames& other) const;
    bool operator!=(const ArchiveNames& other) const { return !(*this == other); }

private:
    struct Span {
        quint32 offset;
        quint32 length;
    };

    QByteArray m_bytes; // rows removed leave their bytes until the names are listed anew
    QVector<Span> m_rows;
};
