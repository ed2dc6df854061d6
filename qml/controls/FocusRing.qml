import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// Shows where the keyboard is: a ring round its parent, a little outside it, while `shown`
// (by default, while the parent has the active focus). The same ring at every scale.
Rectangle {
    id: root

    property bool shown: parent ? parent.activeFocus : false
    // On the dark panel, strip and dialogs, the light ring.
    property bool onDark: false
    // How far outside the parent; negative draws it inside (for squares that touch).
    property real offset: 2 * UI.ppp

    anchors.fill: parent
    anchors.margins: -offset
    z: 100
    visible: shown
    color: "transparent"
    radius: 4 * UI.ppp
    border.width: Math.max(2, Math.round(2 * UI.ppp))
    border.color: onDark ? Colors.Focus.OnDark : Colors.Focus.OnLight
}
