import QtQuick 2.6
import "qrc:/qml/controls"

// A scene with a real modal overlay for the drop-down controls under test.
Item {
    property alias overlay: overlay

    width: 600
    height: 400

    ModalOverlay {
        id: overlay
        anchors.fill: parent
        z: 1000
    }
}
