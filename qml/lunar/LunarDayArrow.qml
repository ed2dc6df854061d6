import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../controls"

// The moon panel's arrow a day back or forward, for the mouse and the keyboard; above the
// moment's field, which it overlaps.
Text {
    id: arrow

    // -1 back, 1 forward.
    property int days

    signal activated()

    z: 1
    text: days < 0 ? Icons.FontAwesome.AngleLeft : Icons.FontAwesome.AngleRight
    color: arrowMouse.containsMouse ? Colors.Label.PinkHovered : Colors.Label.Pink
    font.family: "FontAwesome"
    font.pixelSize: UI.fontSize(30 * UI.ppp)

    MouseArea {
        id: arrowMouse
        anchors.fill: parent
        anchors.margins: -5 * UI.ppp
        acceptedButtons: Qt.LeftButton
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: arrow.activated()
    }
    AreaTip {
        area: arrowMouse
        text: arrowTarget.name
    }
    FocusTarget {
        id: arrowTarget
        anchors.fill: parent
        onDark: true
        name: arrow.days < 0 ? qsTr("One day back") : qsTr("One day forward")
        onActivated: arrow.activated()
    }
}
