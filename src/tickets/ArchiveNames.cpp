#include "tickets/ArchiveNames.h"

#include <cstring>

QString ArchiveNames::shown(qsizetype row) const {
    // As QFile::decodeName decodes the file system's names.
    return QString::fromLocal8Bit(file(row));
}

ArchiveName ArchiveNames::at(qsizetype row) const {
    const QByteArrayView bytes = file(row);
    return {bytes.toByteArray(), QString::fromLocal8Bit(bytes)};
}

qsizetype ArchiveNames::indexOf(QByteArrayView file) const {
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (this->file(row) == file)
            return row;
    }
    return -1;
}

void ArchiveNames::append(QByteArrayView file) {
    m_rows.append({quint32(m_bytes.size()), quint32(file.size())});
    m_bytes.append(file);
}

void ArchiveNames::insert(qsizetype row, QByteArrayView file) {
    m_rows.insert(row, {quint32(m_bytes.size()), quint32(file.size())});
    m_bytes.append(file);
}

void ArchiveNames::remove(qsizetype row, qsizetype count) {
    m_rows.remove(row, count);
}

void ArchiveNames::reserve(qsizetype count, qsizetype bytes) {
    m_rows.reserve(count);
    m_bytes.reserve(bytes);
}

void ArchiveNames::reorder(const QVector<quint32>& order) {
    QVector<Span> rows;
    rows.reserve(order.size());
    for (const quint32 from : order)
        rows.append(m_rows.at(from));
    m_rows = std::move(rows);
}

bool ArchiveNames::operator==(const ArchiveNames& other) const {
    if (m_rows.size() != other.m_rows.size())
        return false;
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (file(row) != other.file(row))
            return false;
    }
    return true;
}
