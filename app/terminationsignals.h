#pragma once

class QWindow;

// Closes the window when the session asks the process to end (SIGTERM, SIGINT, SIGHUP on Unix),
// so the geometry and state are stored as on a normal close. Elsewhere it does nothing.
void closeOnTerminationSignals(QWindow *window);
