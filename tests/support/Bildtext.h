#pragma once
// The text in a picture, as tesseract (tesseract-ocr) reads it.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// `bild` is an image file's bytes (JPEG, PNG). Empty when tesseract does not
// answer.
inline QString Bildtext(const QByteArray& bild)
{
    QProcess p;
    p.start(QStringLiteral("tesseract"), {QStringLiteral("stdin"), QStringLiteral("stdout")});
    if (!p.waitForStarted(10000)) return {};
    p.write(bild);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
