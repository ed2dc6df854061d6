import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// One glyph of the icon font on a box exactly its size.
Rectangle {
    id: root

    property string icon: ""
    property int size: 12 * UI.ppp
    property color iconColor: Colors.Label.White
    property color backgroundColor: "transparent"

    width: glyph.implicitWidth
    height: glyph.implicitHeight
    color: root.backgroundColor

    Text {
        id: glyph
        anchors.centerIn: parent
        text: root.icon
        color: root.iconColor
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(root.size)
    }
}
