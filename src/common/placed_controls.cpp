#include "common/placed_controls.h"

#include <QPushButton>

namespace morvelin {

QPushButton *MakeButton(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &caption, const QString &hint)
{
    auto *button = Place(new QPushButton(caption, parent), name, geometry);
    button->setToolTip(hint);
    return button;
}

} // namespace morvelin
