#include "platform/IniProfile.h"

#include "platform/AnsiCodePage.h"
#include "platform/AtomicSave.h"
#include "platform/SharedRead.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "platform/UpdateLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QVector>

using namespace Qt::StringLiterals;

namespace {

enum class ProfileEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

ProfileEncoding EncodingOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return ProfileEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return ProfileEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return ProfileEncoding::Utf16BE;
    return ProfileEncoding::Ansi;
}

QByteArray Encode(const QString& text, ProfileEncoding encoding) {
    switch (encoding) {
    case ProfileEncoding::Utf8:
        return "\xEF\xBB\xBF" + QStringEncoder(QStringConverter::Utf8).encode(text);
    case ProfileEncoding::Utf16LE:
        return "\xFF\xFE" + QByteArray(QStringEncoder(QStringConverter::Utf16LE).encode(text));
    case ProfileEncoding::Utf16BE:
        return "\xFE\xFF" + QByteArray(QStringEncoder(QStringConverter::Utf16BE).encode(text));
    case ProfileEncoding::Ansi:
        break;
    }
    return EncodeAnsi(text);
}

// One line of the file: its text and where its line break (if any) ends.
struct ProfileLine {
    qsizetype start;
    qsizetype textEnd;
    qsizetype end;
};

QVector<ProfileLine> ScanLines(const QString& text) {
    QVector<ProfileLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        qsizetype end = i + 1;
        if (c == u'\r' && end < text.size() && text.at(end) == u'\n')
            ++end;
        lines.append({start, i, end});
        start = end;
        i = end - 1;
    }
    if (start < text.size())
        lines.append({start, text.size(), text.size()});
    return lines;
}

// True for a "[section]" line, with its name.
bool IsSectionLine(const QString& line, QString* name) {
    const QString trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return false;
    const qsizetype close = trimmed.indexOf(u']');
    *name = TrimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
    return true;
}

bool IsKeyLine(const QString& line, const QString& key, QString* value) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || TrimBlanks(line.left(equals)).compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value) {
        QString v = TrimBlanks(line.mid(equals + 1));
        if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

// Where a key of the section stands: the section's line range and the key's line.
struct Location {
    int sectionLine = -1;     // index of the "[section]" line
    int lastContentLine = -1; // last non-blank line of the section
    int keyLine = -1;
};

Location Locate(const QString& text, const QVector<ProfileLine>& lines, const QString& section,
                const QString& key, QString* value) {
    Location where;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = text.mid(lines[i].start, lines[i].textEnd - lines[i].start);
        QString name;
        if (IsSectionLine(line, &name)) {
            if (where.sectionLine >= 0)
                break; // the first matching section ends here
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                where.sectionLine = where.lastContentLine = i;
            continue;
        }
        if (where.sectionLine < 0)
            continue;
        if (!TrimBlanks(line).isEmpty())
            where.lastContentLine = i;
        if (IsKeyLine(line, key, value)) {
            where.keyLine = i;
            break;
        }
    }
    return where;
}

} // namespace

Result<QString> ReadProfileString(const QString& path, const QString& section, const QString& key) {
    QByteArray bytes;
    const SharedRead read = ReadSharedFile(path, &bytes, {MaxSettingsFileBytes});
    if (read == SharedRead::Missing && !QFileInfo::exists(path))
        return QString();
    if (read == SharedRead::Missing) // a folder in its place is an error
        return Failure{u"Not a regular file"_s};
    if (read != SharedRead::Read)
        return Failure{SharedReadError(read)};
    // Readers of a profile stop at a NUL.
    QString text = DecodeWholeTextFile(bytes);
    if (const qsizetype nul = text.indexOf(QChar(u'\0')); nul >= 0)
        text.truncate(nul);
    QString found;
    if (Locate(text, ScanLines(text), section, key, &found).keyLine < 0)
        return QString();
    return found;
}

namespace {

Result<void> UpdateProfile(const QString& path, const QString& section, const QString& key,
                           const QString& value) {
    QByteArray bytes;
    // Anything but a regular file in the file's place is left to the atomic
    // save, which refuses it.
    const SharedRead read = ReadSharedFile(path, &bytes, {MaxSettingsFileBytes});
    if (read == SharedRead::Failed || read == SharedRead::TooLarge) {
        const QString reason = SharedReadError(read);
        qWarning("Cannot read %ls to update it: %ls",
                 qUtf16Printable(QDir::toNativeSeparators(path)), qUtf16Printable(reason));
        return Failure{reason};
    }
    const ProfileEncoding encoding = EncodingOf(bytes);
    // Decoded without cutting at a NUL, so that nothing of the file is lost.
    QString text = DecodeWholeTextFile(bytes);
    // Readers stop at a NUL: the key is looked for, and added, in the text
    // before it, so that they see the value; what follows stays as it is.
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const qsizetype visibleEnd = nul < 0 ? text.size() : nul;
    const QVector<ProfileLine> lines = ScanLines(text.left(visibleEnd));
    const Location where = Locate(text, lines, section, key, nullptr);
    // The value has its line to itself: a line break in it (pasted text) would
    // end the value there and leave the rest behind as lines of their own, and
    // a NUL would end the text for every reader, hiding all that follows.
    QString oneLine = value;
    oneLine.replace(u"\r\n"_s, u" "_s);
    for (QChar& c : oneLine)
        if (c.unicode() < 0x20)
            c = u' ';
    const QString keyLine = key + u'=' + oneLine;

    if (where.keyLine >= 0) {
        const ProfileLine& line = lines[where.keyLine];
        text.replace(line.start, line.textEnd - line.start, keyLine);
    } else if (where.sectionLine >= 0) {
        const ProfileLine& after = lines[where.lastContentLine];
        const bool hasBreak = after.end > after.textEnd;
        text.insert(after.end, hasBreak ? keyLine + u"\r\n"_s : u"\r\n"_s + keyLine + u"\r\n"_s);
    } else {
        QString added = u'[' + section + u"]\r\n"_s + keyLine + u"\r\n"_s;
        const QStringView visible = QStringView(text).left(visibleEnd);
        if (!visible.isEmpty() && !visible.endsWith(u'\n') && !visible.endsWith(u'\r'))
            added.prepend(u"\r\n"_s);
        text.insert(visibleEnd, added);
    }
    return WriteFileAtomically(path, Encode(text, encoding));
}

} // namespace

Result<void> WriteProfileString(const QString& path, const QString& section, const QString& key,
                                const QString& value) {
    // A write reads the whole file, changes one line and replaces the file:
    // the stations' writes take turns, so none loses another's key.
    return UnderUpdateLock(path, [&] { return UpdateProfile(path, section, key, value); });
}
