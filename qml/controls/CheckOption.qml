import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// An option that is on or off: its text and, to the right of it, a check box. A click on either
// toggles it and emits toggled() with the new state; `checked` is the owner's to bind.
Item {
    id: root

    property bool checked: false
    property string text: ""
    // Said on hover, when the text alone does not say enough.
    property string tip: ""

    signal toggled(bool checked)

    function toggle() {
        checked = !checked
        toggled(checked)
    }

    implicitWidth: glyph.x + glyph.width
    height: 27 * UI.ppp

    Text {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(implicitWidth, root.width - 20 * UI.ppp - glyph.width)
        text: root.text
        color: Colors.Label.Blue
        wrapMode: Text.WordWrap
        font.underline: mouse.containsMouse
        font.family: "PT Sans, Open Sans, Helvetica"
        font.pixelSize: UI.fontSize(18 * UI.ppp)
    }

    Text {
        id: glyph
        anchors.left: label.right
        anchors.leftMargin: 20 * UI.ppp
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

    AreaTip {
        area: mouse
        text: root.tip
    }

    FocusTarget {
        anchors.fill: mouse
        role: Accessible.CheckBox
        name: root.text
        description: root.tip
        checkable: true
        checked: root.checked
        onActivated: root.toggle()
    }
}
