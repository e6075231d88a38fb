#pragma once
// The text in a picture, as tesseract (tesseract-ocr) reads it.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// `bild` is an image file's bytes (JPEG, PNG). Empty when tesseract does not
// answer.
inline QString Bildtext(const QByteArray& bild)
{
    QProcess p;
    // OpenMP's spinning threads make tesseract crawl on a machine whose
    // cores are busy with other tests; one thread reads as well.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral("tesseract"), {QStringLiteral("stdin"), QStringLiteral("stdout")});
    if (!p.waitForStarted(60000)) return {};
    p.write(bild);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
