#pragma once

class QWindow;

// Closes the window when the session asks the process to end (SIGTERM, SIGINT, SIGHUP on Unix),
// so the geometry and state are stored as on a normal close; open dialogs (a message box, the
// export's file dialog) are dismissed first, as they would block the close. A later call names
// another window. Elsewhere it does nothing.
void closeOnTerminationSignals(QWindow *window);
