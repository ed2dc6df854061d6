import QtQuick 2.6
import "qrc:/qml/controls"

// The root-scene functions the drop-down controls call, backed by a real modal overlay. A test
// file gives its instance the id "window", as the root scene does.
Item {
    property alias modalWindow: overlay.modalWindow
    property alias overlay: overlay

    function setModalWindow(item, rect) { overlay.setModalWindow(item, rect) }
    function enableModalOverlay(value) { overlay.enableModalOverlay(value) }
    function modalOverlayPressed(event) { overlay.modalOverlayPressed(event) }

    width: 600
    height: 400

    ModalOverlay {
        id: overlay
        anchors.fill: parent
        z: 1000
    }
}
