import QtQuick 2.6

// The window-wide offer of a newer version. Hidden and inert for now; once written it asks for
// the update check itself when the scene is complete, so the root scene never does.
Item {
    id: root

    visible: false
    z: 1000
}
