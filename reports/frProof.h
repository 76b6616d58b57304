#pragma once
// The proof of a template: its pages as they print with no data, each data object outlined and
// labelled with its name, over a light grid every 50 report units numbered at the paper's edges,
// so that a person can hold each page against the official tables.

#include "frReport.h"

class QPainter;

// True for the objects a proof outlines: text objects filled from data or by print preparation,
// that is every named text object except the form's own wording ("Memo" + number).
bool frIsDataObjectName(const QString &name);

// Draws the grid, the outlines and the labels over one printed page; the painter's unit is one
// report unit from the paper's top-left corner.
void frPaintProofOverlay(QPainter &painter, const TfrPreparedPage &page);
