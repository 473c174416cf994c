#pragma once
// File names are bytes that need not be UTF-8: a name copied from an old
// Windows share holds "año" in Latin-1. The program keeps every name as the
// very bytes it came as, so that such a file can be listed, loaded and
// saved over like any other.

#include <QByteArray>
#include <QString>

#include <string>

namespace rotavex {

// The bytes read as UTF-8, each byte that is not part of a UTF-8 character
// kept as the lone code unit U+DC80 plus its value (which no character
// written in UTF-8 gives), so that fileNameBytes brings the bytes back.
QString fileNameFromBytes(const QByteArray &bytes);
QByteArray fileNameBytes(const QString &name);

// The name as the user reads it: a byte kept apart is shown as the
// Windows-1252 character it stands for on the share it came from.
QString readableFileName(const QString &name);

// The file's name as a message shows it, and the bytes the file is opened by.
QString shownFileName(const QString &path);
std::string filePathBytes(const QString &path);

// A spreadsheet file's name as the user typed it, with ".csv" when it has
// no extension, the one of the files the dialogs list.
QString withCsvExtension(const QString &path);

}   // namespace rotavex
