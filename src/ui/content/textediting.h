#pragma once

#include <QString>
#include <QTextCharFormat>

#include <functional>

class QImage;
class QMimeData;
class QTextCursor;
class QTextDocument;

namespace lumetra {

// Text commands on a cursor, apart from any widget so that they can be
// driven and checked directly.
namespace TextEditing {

enum class Case { Upper, Lower, Sentence, Title, Toggle };

// Same length as the input: one character in, one out.
QString changeCase(const QString &text, Case mode);
// Rewrites the selected text in place, each run keeping its format.
bool changeCase(QTextCursor &cursor, Case mode);

// Each run of the selection (or the caret's format) gets size(old size).
void changePointSize(QTextCursor &cursor, const std::function<qreal(qreal)> &size, qreal fallback);
// The next of the usual sizes above or below, as word processors step.
qreal nextSize(qreal points, bool grow);

// Indent of the selected paragraphs by one step, never below 0.
void changeIndent(QTextCursor &cursor, int step);

// A picture at the cursor, kept in the document, one image pixel per
// display pixel.
void insertPicture(QTextCursor &cursor, const QImage &image);
// Another document's content at the cursor, its pictures carried over
// under names of their own.
void insertDocument(QTextCursor &cursor, const QTextDocument &source);

enum class FileResult { Inserted, Failed, Unsupported };
// A picture, or by extension whatever its letter case: ".rtf", ".zvf",
// ".txt". Failed: the file could not be read (an RTF with faults still
// inserts what was read).
FileResult insertFile(QTextCursor &cursor, const QString &path);

enum class PasteKind { PlainText, RichText, Picture };
bool canPaste(const QMimeData *data, PasteKind kind);
bool paste(QTextCursor &cursor, const QMimeData *data, PasteKind kind);

} // namespace TextEditing

} // namespace lumetra
