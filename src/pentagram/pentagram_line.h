#pragma once
// @brief One saved Pentagram as one line of its list: the date, " : " and the five
// cards in two digits, separated by commas. The sixth card is not stored; it is counted
// out again from the five.
//
//     09.dec.26 : 10,20,30,05,40

#include "catalogue/card_catalogue.h"
#include "common/list_date.h"
#include "common/result.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>

namespace morvelin {

inline constexpr int kPentagramPositions = 5;

// The card (Rider Waite numbering) of each of the five points, position k at element
// k - 1; 0 = no card chosen there.
using PentagramCards = std::array<CardNo, kPentagramPositions>;

// What one save writes.
struct PentagramEntry {
    QDate date;
    PentagramCards cards{};
};

// "dd.mmm.yy : c1,c2,c3,c4,c5", each card in two digits ("00" for a position without one).
QString ComposePentagramLine(const PentagramEntry &entry, const MonthNames &monthNames);

// The five two-digit fields at positions 13, 16, 19, 22 and 25 as numbers 0..99, not yet
// checked against the catalogue. Every field is read before any is used: a field that is
// not a decimal number gives the conversion error with its text, and no cards.
Result<std::array<int, kPentagramPositions>> ParsePentagramLine(QStringView line);

} // namespace morvelin
