import QtQuick 2.6
import QtQuick.Window 2.2
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Util.js" as Util

// The list window of the select and search fields: a top-level window of its own, so it may
// reach beyond the main window's edges, that never takes the keyboard focus. It hangs from the
// field's box and opens the scene's modal overlay around itself, so a click elsewhere in the
// scene closes it.
Window {
    id: root

    // The field's box it hangs from.
    property Item box: null
    // The scene's ModalOverlay, or null where there is none.
    property Item overlay: null
    property real contentWidth: 0
    property real contentHeight: 0
    property real maximumHeight: 160 * UI.ppp
    property real itemHeight: 20 * UI.ppp
    // Pop-up behaviour; the search field wants it only where it does not steal its typing.
    property bool popup: true
    // Leaves the box itself out of the overlay, so it stays clickable while the list is open.
    property bool includeBox: false
    default property alias content: scroll.contentItem

    readonly property real frameBorder: 1 * UI.ppp
    readonly property bool scrollbarVisible: contentHeight > height - 2 * frameBorder

    function boxRect() {
        var origin = Util.getAbsolutePosition(UI, box)
        return Qt.rect(origin.x, origin.y, box.width, box.height)
    }

    function open() {
        var r = boxRect()
        x = r.x
        y = Util.dropdownY(r.y, UI.y, UI.height, r.height, height)
        show()
        raise()
    }

    // Scrolls the list so that the row from y, h high, is in view.
    function showRow(y, h) {
        var view = scroll.flickableItem
        if (y < view.contentY)
            view.contentY = y
        else if (y + h > view.contentY + scroll.height)
            view.contentY = y + h - scroll.height
    }

    function toggle() {
        if (visible)
            close()
        else
            open()
    }

    // Hides the list and turns the overlay off.
    function close() {
        hide()
        if (overlay)
            overlay.enableModalOverlay(false)
    }

    flags: Qt.FramelessWindowHint | Qt.WindowDoesNotAcceptFocus | (popup ? Qt.Popup : Qt.Tool)
    modality: Qt.NonModal
    color: Colors.Background.Lighter
    width: scroll.width + 2 * frameBorder
    height: Math.min(maximumHeight, Math.max(contentHeight, itemHeight) + 2 * frameBorder)

    onVisibleChanged: {
        if (!overlay)
            return
        if (visible) {
            var own = Qt.rect(x, y, width, height)
            overlay.setModalWindow(root, includeBox ? Util.unionRect(own, boxRect()) : own)
        } else if (overlay.modalWindow === root) {
            // Hidden some other way than through the overlay: the overlay must not stay up
            // and swallow the next click.
            overlay.enableModalOverlay(false)
            overlay.modalWindow = null
        }
    }
    onActiveChanged: {
        if (!active && visible)
            hide()
    }

    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: root.frameBorder
        border.color: Colors.Background.FieldEdge
    }

    ScrollableItem {
        id: scroll
        x: root.frameBorder
        y: root.frameBorder
        width: root.contentWidth + (root.scrollbarVisible ? thickness : 0)
        height: root.height - 2 * root.frameBorder
        horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
    }
}
