#pragma once
// @brief What several windows share and none owns alone; the application object keeps
// it and hands it to the windows and flows that read or change it.

#include <QString>

namespace morvelin {

struct SharedState {
    // True while the spread on the main window is already in the history file.
    bool spreadSaved = false;
    // The number of lines of the history list as decimal text, handed from the history
    // window to the analysis window.
    QString questionCountText;
};

} // namespace morvelin
