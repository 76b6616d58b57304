#pragma once
// Reads the text form of a report template (the format is described in frTemplateReader.cpp).

#include "frReport.h"

#include <QString>

#include <memory>
#include <vector>

struct TfrTemplate {
    QString printerName;
    std::vector<std::unique_ptr<TfrPage>> pages;
};

// Parses a whole template. Raises EError naming the line of the first fault; nothing is returned
// for a faulty text.
TfrTemplate frReadTemplate(const QString &text);
