import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Util.js" as Util

// Four click-catching strips that cover the scene around an open drop-down window, so that a
// click anywhere else closes it and reaches nothing below. Idle, they are disabled and empty.
// The root scene lays it over everything and hands it to the pages, which hand it to their
// drop-downs.
Item {
    id: root

    // Shows where the strips are: red, green, blue and yellow at half opacity.
    property bool showModality: false
    // The drop-down window currently open (anything with hide()), or null.
    property var modalWindow: null
    // The window's position on the screen; the rectangles handed in are screen coordinates.
    property real windowX: UI.x
    property real windowY: UI.y

    property bool active: false
    property real leftSize: 0
    property real topSize: 0
    property real rightSize: 0
    property real bottomSize: 0

    function setModalWindow(item, rect) {
        modalWindow = item
        var strips = Util.overlayStrips(rect, windowX, windowY, width, height)
        leftSize = strips.left
        topSize = strips.top
        rightSize = strips.right
        bottomSize = strips.bottom
        active = true
    }

    function enableModalOverlay(value) {
        active = value
        if (!value) {
            leftSize = 0
            topSize = 0
            rightSize = 0
            bottomSize = 0
        }
    }

    function modalOverlayPressed(event) {
        if (event)
            event.accepted = true
        enableModalOverlay(false)
        var item = modalWindow
        modalWindow = null
        if (item)
            item.hide()
    }

    // The strip's rectangle in the overlay: 0 left, 1 top, 2 right, 3 bottom.
    function stripRect(index) {
        switch (index) {
        case 0: return Qt.rect(0, 0, leftSize, height)
        case 1: return Qt.rect(0, 0, width, topSize)
        case 2: return Qt.rect(width - rightSize, 0, rightSize, height)
        default: return Qt.rect(0, height - bottomSize, width, bottomSize)
        }
    }

    Repeater {
        model: Colors.OverlayStrips

        MouseArea {
            readonly property rect area: root.stripRect(index)

            x: area.x
            y: area.y
            width: area.width
            height: area.height
            enabled: root.active
            onPressed: root.modalOverlayPressed(mouse)

            Rectangle {
                anchors.fill: parent
                visible: root.showModality
                color: modelData
                opacity: 0.5
            }
        }
    }
}
