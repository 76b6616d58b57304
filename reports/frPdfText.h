#pragma once
// Keeps the text of a PDF searchable and copyable as the characters that were printed. The CJK
// faces draw many ideographs with the same glyph as a Kangxi radical (口 and ⼝, 文 and ⽂) or
// another compatibility character, and the PDF writer maps each glyph back to the lowest such
// code point, so copied text would hold look-alike characters. This pass maps every such glyph
// to the character the pages actually drew.

#include "frReport.h"

#include <QByteArray>
#include <QList>

// Rewrites the ToUnicode maps of a PDF in place (same length, so offsets stay valid). Returns
// true when anything changed.
bool frRepairPdfText(QByteArray &pdf, const QList<TfrPreparedPage> &pages);

// Gives the font dictionaries of embedded subsets the subset tag that their descriptors carry
// ("ABCDEF+Name"), as PDF readers expect of subset fonts, and rebuilds the cross-reference
// table for the moved objects. Returns true when anything changed.
bool frTagFontSubsets(QByteArray &pdf);

// Both passes on a PDF file just written from the pages. False when the file cannot be
// rewritten.
bool frFinishPdfFile(const QString &path, const QList<TfrPreparedPage> &pages);
