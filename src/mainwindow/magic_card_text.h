#pragma once
// @brief What the Magic Card box writes under its picture and shows as its hint; the
// main window decides it, the box only shows it.

#include <QString>

namespace morvelin {

struct MagicCardText {
    QString caption = QStringLiteral("Kaart");
    bool captionVisible = true;
    QString hint;
};

} // namespace morvelin
