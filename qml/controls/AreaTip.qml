import QtQuick 2.6
import UI 1.0

// Says in words what an icon or an abbreviation stands for: the text shows in a tooltip once the
// mouse has rested on `area` (a MouseArea with hovering on) for a moment, and goes when it leaves.
Timer {
    id: root

    property Item area: null
    property string text: ""
    readonly property bool hovered: area !== null && area.containsMouse && text !== ""

    interval: 600
    onHoveredChanged: {
        if (hovered) {
            restart()
        } else {
            stop()
            UI.hideToolTip()
        }
    }
    onTriggered: UI.showToolTip(area, text)
}
