#pragma once
// The renderer of the report engine: lays the template pages out into prepared pages (each drawn
// text and line with its place, font and text) and paints prepared pages on a printer, a PDF
// writer or the preview.

#include "frReport.h"

#include <QList>

#include <functional>

class QPainter;
class QPagedPaintDevice;

// Each template page gives one prepared page; a page with bands gives as many pages as its
// bands need. The template is not changed.
QList<TfrPreparedPage> frPrepare(const TfrPages &pages);

// Drawn over a printed page, on a painter whose unit is one report unit from the paper's corner.
using TfrPageOverlay = std::function<void(QPainter &painter, const TfrPreparedPage &page)>;

// Paints the pages, one device page each, from the paper's top-left corner, each with the overlay
// over it when one is given. False when the device cannot be painted on (for example a PDF file
// that cannot be created).
bool frPrint(const QList<TfrPreparedPage> &pages, QPagedPaintDevice *device,
             const TfrPageOverlay &overlay = {});

// Paints one page on a painter whose device has the given resolution (dots per inch).
void frPaintPage(QPainter &painter, const TfrPreparedPage &page, double dpiX, double dpiY);

// Paper size of a prepared or template page in report units, in its orientation.
QSizeF frPaperUnits(int paperWidth, int paperHeight, bool portrait);
