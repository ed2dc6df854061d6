import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// The dark push button of the dialogs.
Rectangle {
    id: root

    property string text: ""
    // The ring for the dark dialogs; false on a light page.
    property bool onDark: true

    signal clicked()

    implicitWidth: label.implicitWidth + 8 * UI.ppp
    implicitHeight: 25 * UI.ppp
    color: mouse.pressed ? Colors.Button.BlackPressed : Colors.Button.Black
    border.width: 1 * UI.ppp
    border.color: Colors.Button.Edge

    // Smaller where another language's word is longer than the button is wide.
    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 6 * UI.ppp
        anchors.rightMargin: 6 * UI.ppp
        text: root.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: UI.fontSize(11 * UI.ppp)
        font.family: "Arial"
        font.pixelSize: UI.fontSize(18 * UI.ppp)
        color: root.enabled ? Colors.Button.BlackLabel : Colors.Button.BlackLabelDisabled
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }

    FocusTarget {
        anchors.fill: parent
        onDark: root.onDark
        name: root.text
        onActivated: root.clicked()
    }
}
