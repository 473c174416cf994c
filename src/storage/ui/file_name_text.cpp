#include "file_name_text.h"

#include "storage/failure_causes.h"
#include "storage/windows1252.h"

#include <QFileInfo>

namespace rotavex {

namespace {

constexpr char16_t KeptByteBase = 0xdc00;

bool isKeptByte(QChar c) { return c.unicode() >= 0xdc80 && c.unicode() <= 0xdcff; }

// The length of the well-formed UTF-8 character at bytes[at], or 0.
int utf8CharacterLength(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length;
    char32_t minimum;
    char32_t code;
    if ((lead & 0xe0) == 0xc0) {
        length = 2, minimum = 0x80, code = lead & 0x1f;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3, minimum = 0x800, code = lead & 0x0f;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3f);
    }
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

}   // namespace

QString fileNameFromBytes(const QByteArray &bytes)
{
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = utf8CharacterLength(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(KeptByteBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + at, length);
        at += length;
    }
    return name;
}

QByteArray fileNameBytes(const QString &name)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        // A low surrogate after a high one is half of a character, not a kept byte.
        const bool kept = i < name.size() && isKeptByte(name[i]) && !(i > 0 && name[i - 1].isHighSurrogate());
        if (i < name.size() && !kept)
            continue;
        bytes += name.mid(start, i - start).toUtf8();
        if (kept)
            bytes += char(name[i].unicode() - KeptByteBase);
        start = i + 1;
    }
    return bytes;
}

QString readableFileName(const QString &name)
{
    QString readable;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isKeptByte(name[i]) && !(i > 0 && name[i - 1].isHighSurrogate())) {
            const std::string byte(1, char(name[i].unicode() - KeptByteBase));
            readable += QString::fromStdString(utf8FromWindows1252(byte));
        } else {
            readable += name[i];
        }
    }
    return readable;
}

QString shownFileName(const QString &path)
{
    return QString::fromStdString(printableText(readableFileName(path).toStdString()));
}

std::string filePathBytes(const QString &path) { return fileNameBytes(path).toStdString(); }

QString withCsvExtension(const QString &path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
}

}   // namespace rotavex
