#pragma once
// @brief A window that builds its controls the first time anything needs them: when it is
// shown, when the application hands it out, or when the start-up has painted the main
// window and has time to spare. Until then it is an empty hidden window, so the main
// window reaches the screen without waiting for it.

#include <QWidget>

namespace morvelin {

class OnDemandWindow : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Builds the controls unless they are built already.
    void ensureBuilt();
    bool isBuilt() const { return m_built; }

    // Every way of showing the window comes here, so it is never shown empty.
    void setVisible(bool visible) override;

protected:
    // Creates the window's controls; runs once.
    virtual void buildControls() = 0;

private:
    bool m_built = false;
};

} // namespace morvelin
