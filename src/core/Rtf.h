#pragma once
// Rich text as the Windows rich-edit control saves it, in the subset the
// cover sheets and the help texts use: fonts, sizes, bold, italic, underline, colours, the
// first-line and left indents and the alignment of a paragraph, line breaks
// and tabs; Windows-1252 text with "\'hh" escapes, other characters as
// "\uN?". Indents: 15 twips of the file are one pixel of the document
// (96 dots an inch).

#include <QByteArray>

class QTextDocument;

constexpr int RtfTwipsJePixel = 15;

// Replaces the document's content with the rich text. A text that does not
// begin with "{\rtf" is taken as plain Windows-1252 text. Characters without
// an explicit font take the document's default font (and 12 points without
// an explicit size, as the format says).
void RtfLesen(const QByteArray& rtf, QTextDocument& dokument);

// The document as rich text; the document's default font is font 0.
QByteArray RtfSchreiben(const QTextDocument& dokument);
