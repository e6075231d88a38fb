#pragma once
// Files of a test folder, byte for byte.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Writes the bytes; false when the file cannot be written.
inline bool DateiAblegen(const QString& ordner, const QString& name, const QByteArray& inhalt)
{
    QFile f(QDir(ordner).filePath(name));
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// The bytes of the file, or "<fehlt>" when it cannot be read.
inline QByteArray DateiInhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
