#pragma once
// The text of a PDF file, as pdftotext (poppler-utils) reads it.

#include <QProcess>
#include <QString>
#include <QStringList>

// With `layout` the columns keep their places; the pages are separated by
// form feeds. Empty when pdftotext does not answer.
inline QString PdfText(const QString& pdf, bool layout = true)
{
    QStringList argumente{pdf, QStringLiteral("-")};
    if (layout) argumente.prepend(QStringLiteral("-layout"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), argumente);
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
