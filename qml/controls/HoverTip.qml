import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// A short text shown beside what the mouse rests on, for a glyph that says more than it
// shows. One per page: show() places it at a point of any item, kept within its parent, after a
// moment's rest; hide() takes it away.
Rectangle {
    id: root

    property string text: ""
    property point at: Qt.point(0, 0)

    function show(item, x, y, text) {
        root.text = text
        at = item.mapToItem(parent, x, y)
        delay.restart()
    }

    function hide() {
        delay.stop()
        visible = false
    }

    x: Math.max(0, Math.min(at.x + 12 * UI.ppp, parent.width - width))
    // Below the point, or above it where the parent ends.
    y: at.y + 18 * UI.ppp + height <= parent.height ? at.y + 18 * UI.ppp
                                                    : Math.max(0, at.y - 6 * UI.ppp - height)
    z: 100
    width: Math.min(label.implicitWidth, 280 * UI.ppp) + 16 * UI.ppp
    height: label.height + 10 * UI.ppp
    visible: false
    radius: 4 * UI.ppp
    color: Colors.Background.DarkGrey

    Timer {
        id: delay
        interval: 400
        onTriggered: root.visible = root.text !== ""
    }

    Text {
        id: label
        x: 8 * UI.ppp
        y: 5 * UI.ppp
        width: Math.min(implicitWidth, 280 * UI.ppp)
        wrapMode: Text.Wrap
        text: root.text
        color: Colors.Label.White
        font.family: "PT Sans"
        font.pixelSize: UI.fontSize(13 * UI.ppp)
    }
}
