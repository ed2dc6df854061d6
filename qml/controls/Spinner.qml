import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors

// Busy indicator: a bright dot running round the inscribed ellipse with a fading tail.
Item {
    id: root

    property int count: 8
    property real elementSize: 10 * UI.ppp
    property color elementColor: Colors.Moon.Dot

    property int currentIndex: 0

    implicitWidth: 45 * UI.ppp
    implicitHeight: 45 * UI.ppp

    Repeater {
        id: dots
        model: root.count

        Rectangle {
            readonly property real angle: (index + 1) / root.count * 2 * Math.PI

            function flash() { fade.restart() }

            x: Math.sin(angle) * root.width / 2 + root.width / 2 - width / 2
            y: Math.cos(angle) * root.height / 2 + root.height / 2 - height / 2
            width: root.elementSize
            height: root.elementSize
            radius: width / 2
            color: root.elementColor
            border.width: 1 * UI.ppp
            border.color: Colors.Moon.DotEdge
            opacity: 0

            NumberAnimation on opacity {
                id: fade
                running: false
                from: 1
                to: 0
                duration: 600
            }
        }
    }

    // Only while it can be seen: a hidden spinner that kept animating would keep the scene
    // redrawing ten times a second for nothing.
    Timer {
        interval: 100
        repeat: true
        running: root.visible && root.opacity > 0 && root.count > 0
        onTriggered: {
            var dot = dots.itemAt(root.currentIndex)
            if (dot)
                dot.flash()
            root.currentIndex = (root.currentIndex + 1) % root.count
        }
    }
}
