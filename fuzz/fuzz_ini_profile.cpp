// Profile files: one value written into a file of any content, then read
// back. The value comes back as written after the writer's and reader's own
// rules (line breaks and control characters as spaces, blanks trimmed, one
// pair of enclosing quotes dropped, characters the file's encoding lacks);
// every other key reads as it did before.

#include "FuzzChecks.h"

#include "platform/AnsiCodePage.h"
#include "platform/IniProfile.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QStringList Sections = {u"Accesso"_s, u"Impostazioni"_s, u"Stampa e posta"_s};
const QStringList Keys = {u"Valore"_s, u"Nome"_s, u"Chiave lunga"_s};

// The value as a reader gets it back from a file in the given encoding (by
// its byte-order mark; none is ANSI).
QString Expected(const QString& value, const QByteArray& file) {
    QString v = value;
    v.replace(u"\r\n"_s, u" "_s);
    for (QChar& c : v)
        if (c.unicode() < 0x20)
            c = u' ';
    constexpr auto flags = QStringConverter::Flag::Stateless;
    auto through = [&](QStringConverter::Encoding encoding) {
        const QByteArray bytes = QStringEncoder(encoding, flags).encode(v);
        // A U+FEFF leading the value is no byte-order mark: it stays.
        return QString(QStringDecoder(encoding, flags | QStringConverter::Flag::ConvertInitialBom)
                           .decode(bytes));
    };
    if (file.startsWith("\xEF\xBB\xBF"))
        v = through(QStringConverter::Utf8);
    else if (file.startsWith("\xFF\xFE"))
        v = through(QStringConverter::Utf16LE);
    else if (file.startsWith("\xFE\xFF"))
        v = through(QStringConverter::Utf16BE);
    else
        v = DecodeAnsi(EncodeAnsi(v));
    v = TrimBlanks(v);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

QString Read(const QString& path, const QString& section, const QString& key) {
    const Result<QString> value = ReadProfileString(path, section, key);
    FUZZ_CHECK(value.ok(), path);
    return *value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid(), folder.errorString());
    const QString path = folder.filePath(u"profilo.ini"_s);

    if (size == 0)
        return 0;
    // First byte: which section and key are written, and in which letter case.
    const uchar pick = data[0];
    const int sectionIndex = pick % 3;
    const int keyIndex = (pick / 3) % 3;
    const bool upper = pick & 0x80;
    FuzzFields fields(data + 1, size - 1);
    const QByteArray initial = fields.nextBytes();
    const QString value = fields.nextUtf16();

    QFile::remove(path);
    if (!initial.isEmpty()) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(initial) == initial.size(), path);
    }

    std::vector<std::pair<std::pair<int, int>, QString>> before;
    for (int s = 0; s < Sections.size(); ++s)
        for (int k = 0; k < Keys.size(); ++k)
            if (s != sectionIndex || k != keyIndex)
                before.push_back({{s, k}, Read(path, Sections[s], Keys[k])});

    const QString section = upper ? Sections[sectionIndex].toUpper() : Sections[sectionIndex];
    const QString key = upper ? Keys[keyIndex].toUpper() : Keys[keyIndex];
    const Result<void> saved = WriteProfileString(path, section, key, value);
    FUZZ_CHECK(saved.ok(), saved.error());

    QFile written(path);
    FUZZ_CHECK(written.open(QIODevice::ReadOnly), path);
    const QByteArray after = written.readAll();
    // The file keeps its encoding: its byte-order mark stays.
    for (const char* mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"})
        if (initial.startsWith(mark))
            FUZZ_CHECK(after.startsWith(mark), QString::fromLatin1(after.toHex()));

    const QString read = Read(path, Sections[sectionIndex], Keys[keyIndex]);
    const QString expected = Expected(value, initial);
    FUZZ_CHECK(read == expected, Show(value) + u" read back as "_s + Show(read) + u", not "_s +
                                     Show(expected) + u"; file: "_s +
                                     QString::fromLatin1(after.toHex()));
    for (const auto& [where, old] : before) {
        const QString now = Read(path, Sections[where.first], Keys[where.second]);
        FUZZ_CHECK(now == old, Sections[where.first] + u'/' + Keys[where.second] + u": "_s +
                                   Show(old) + u" became "_s + Show(now) + u"; file: "_s +
                                   QString::fromLatin1(after.toHex()));
    }
    return 0;
}
