#pragma once

class QApplication;

// The program entry once the application object exists: the installation check, the main
// window and the event loop. Returns the exit code.
int RunQuillmark(QApplication& app);
