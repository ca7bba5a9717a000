#pragma once
// @brief The clipboard texts of a spread, composed ahead of time from exactly what the
// labels and hints show. Lines end with a carriage return alone.

#include "catalogue/card_catalogue.h"
#include "mainwindow/label_view.h"

#include <QDate>
#include <QString>

#include <array>

namespace morvelin {

// What the export reads off the window: captions and hints of the ten cards and the Magic Card.
struct ExportInputs {
    std::array<QString, kSlotCount> labels;
    std::array<QString, kSlotCount> hints;
    QString magicLabel;
    QString magicHint;
};

struct ExportTexts {
    std::array<QString, kDeckCount> full; // the ten-card or, with the triangle, six-card text
    std::array<QString, kDeckCount> four; // the four-card text
};

// "9-12-2026": day, month and year without leading zeros.
QString ExportDate(const QDate &date);

ExportTexts BuildExportTexts(const ExportInputs &inputs, LabelMode mode, bool triangle,
                             const QDate &date);

} // namespace morvelin
