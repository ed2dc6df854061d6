import QtQuick 2.6
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import QtQuick.Window 2.2
import UI 1.0
import "../scripts/Colors.js" as Colors

// A frameless scroll view with a flat, thin bar and no step buttons. The control the keyboard
// comes to in it is scrolled into view.
ScrollView {
    id: root

    function showFocused() {
        var item = Window.activeFocusItem
        if (!item || !flickableItem)
            return
        var content = flickableItem.contentItem
        for (var up = item; up && up !== content; up = up.parent) {}
        if (!up)
            return
        var y = item.mapToItem(content, 0, 0).y
        if (y < flickableItem.contentY)
            flickableItem.contentY = y
        else if (y + item.height > flickableItem.contentY + viewport.height)
            flickableItem.contentY = y + item.height - viewport.height
    }

    Window.onActiveFocusItemChanged: showFocused()

    property real thickness: 10 * UI.ppp
    readonly property bool scrollbarVisible: flickableItem.contentHeight > root.height

    frameVisible: false

    style: ScrollViewStyle {
        transientScrollBars: false
        handleOverlap: 10
        frame: Item {}
        corner: Item {}
        incrementControl: Item {}
        decrementControl: Item {}
        scrollBarBackground: Rectangle {
            implicitWidth: root.thickness
            implicitHeight: root.thickness
            color: Colors.Scroll.Track
        }
        handle: Rectangle {
            implicitWidth: styleData.horizontal ? 30 : root.thickness
            implicitHeight: styleData.horizontal ? root.thickness : 30
            color: Colors.Scroll.Handle
        }
    }
}
