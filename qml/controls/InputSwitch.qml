import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// A setting that is on or off: its text, wrapped where it is long, and a check box glyph after
// it; a click on either toggles it.
Item {
    id: root

    property string text: ""
    property bool checked: false

    signal toggled(bool checked)

    function toggle() {
        checked = !checked
        toggled(checked)
    }

    width: parent ? parent.width : 0
    height: Math.max(27 * UI.ppp, label.height)

    Text {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        width: root.width - glyph.width - 20 * UI.ppp
        text: root.text
        wrapMode: Text.WordWrap
        color: Colors.Label.Blue
        font.underline: mouse.containsMouse
        font.family: "PT Sans, Open Sans, Helvetica"
        font.pixelSize: UI.fontSize(18 * UI.ppp)
    }

    Text {
        id: glyph
        // After the text's longest line, not after the room the text may take.
        anchors.left: label.left
        anchors.leftMargin: label.contentWidth + 20 * UI.ppp
        anchors.verticalCenter: label.verticalCenter
        // Off is an empty grey box, not a filled one in the colour of on.
        text: root.checked ? Icons.FontAwesome.CheckSquare : Icons.FontAwesome.SquareOutline
        color: root.checked ? Colors.Label.Green : Colors.Label.Grey
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(18 * UI.ppp)
    }

    MouseArea {
        id: mouse
        x: label.x
        width: glyph.x + glyph.width - label.x
        height: parent.height
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.toggle()
    }
}
