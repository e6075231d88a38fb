#pragma once
// The text of a PDF file, as pdftotext (poppler-utils) reads it, and the
// size of its pages.

#include <QProcess>
#include <QRegularExpression>
#include <QSize>
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

// The size of the first page in whole points, as pdfinfo reads its media
// box (A4 595 x 842, US Letter 612 x 792); empty when pdfinfo does not answer.
inline QSize PdfSeitengroesse(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(60000)) return {};
    static const QRegularExpression zeile(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch m = zeile.match(QString::fromUtf8(p.readAllStandardOutput()));
    if (!m.hasMatch()) return {};
    return {qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble())};
}
