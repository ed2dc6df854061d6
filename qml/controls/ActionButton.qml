import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// A dark button on a light page: a word and, after it, a glyph; as wide as they need.
Rectangle {
    id: root

    property string text: ""
    property string glyph: ""
    // Said on hover: what the button does, and its key.
    property string tip: ""

    signal clicked()

    implicitWidth: row.width + 20 * UI.ppp
    implicitHeight: 30 * UI.ppp
    radius: 6 * UI.ppp
    color: mouse.containsMouse ? Colors.Background.DarkMetal : Colors.Button.Metal

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 8 * UI.ppp

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: root.text
            color: Colors.Label.White
            font.pixelSize: UI.fontSize(16 * UI.ppp)
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            visible: root.glyph !== ""
            text: root.glyph
            color: Colors.Label.White
            font.family: "FontAwesome"
            font.pixelSize: UI.fontSize(16 * UI.ppp)
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }

    AreaTip {
        area: mouse
        text: root.tip
    }

    FocusTarget {
        anchors.fill: parent
        name: root.text
        description: root.tip
        onActivated: root.clicked()
    }
}
