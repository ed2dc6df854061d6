import QtQuick 2.6
import Astro 1.0
import UI 1.0

// One phase row of the moon panel: a small picture of the phase and the instants of that phase
// before and after the moment shown. Clicking an instant moves the panel there.
Item {
    id: root

    property real phase: 0.5
    property date prevDate
    property date nextDate
    property real spacing: 25 * UI.ppp
    // The phase's picture, as wide as the row is high unless made smaller.
    property real pictureSize: height

    signal clicked(date date)

    implicitHeight: 34 * UI.ppp

    LunarView {
        id: picture
        anchors.verticalCenter: parent.verticalCenter
        width: root.pictureSize
        height: root.pictureSize
        phase: root.phase
    }

    Item {
        x: picture.width + root.spacing
        y: root.height / 6 - 2 * UI.ppp
        width: (root.width - x) / 2
        height: root.height * 2 / 3

        Repeater {
            model: [root.prevDate, root.nextDate]

            LunarPanelLabel {
                id: line
                // Two lines one under the other, the upper one raised a little.
                y: index === 0 ? -2 * UI.ppp : implicitHeight
                font.pixelSize: UI.fontSize(12 * UI.ppp)
                font.underline: lineMouse.containsMouse
                objectName: "phaseTime"
                // Read with the zone: after a change of zone the instants are the same (no new
                // value arrives), but they are shown on another clock.
                text: UI.timeZone !== undefined ? UI.formatLocal(modelData, UI.formats.dateTime)
                                                : ""

                MouseArea {
                    id: lineMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.clicked(modelData)
                }
            }
        }
    }
}
