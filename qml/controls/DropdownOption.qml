import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// One row of a drop-down list.
Rectangle {
    id: root

    property string text: ""
    // The row the keyboard's Up and Down have come to.
    property bool highlighted: false

    signal clicked()

    color: (mouse.containsMouse || highlighted) && enabled ? Colors.Background.Light : "transparent"

    Text {
        anchors.centerIn: parent
        width: parent.width - 10 * UI.ppp
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: root.text
        color: root.enabled ? Colors.Label.Grey : Colors.Label.Disabled
        font.italic: !root.enabled
        font.pixelSize: UI.fontSize(12 * UI.ppp)
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: root.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: root.clicked()
    }
}
