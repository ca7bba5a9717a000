#pragma once
// @brief What the program sets up before its first window: its name, the faces that
// stand in for the Windows fonts its windows name, and Qt's Dutch dialog texts.

class QApplication;

namespace morvelin {

void SetUpApplication(QApplication &app);

} // namespace morvelin
