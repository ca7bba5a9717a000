#include "common/on_demand_window.h"

namespace morvelin {

void OnDemandWindow::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    buildControls();
}

void OnDemandWindow::setVisible(bool visible)
{
    if (visible)
        ensureBuilt();
    QWidget::setVisible(visible);
}

} // namespace morvelin
