import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Events.js" as Events

// Under the sign on the moon panel: the Moon's next perigee and apogee with their distances, and
// the next eclipse with whether it can be seen from the place. Clicking a line moves the panel
// to that moment.
Column {
    id: root

    // Calculation.outlookCalculated's map; empty until the first arrives.
    property var outlook: ({})

    signal clicked(date time)

    readonly property var eclipse: outlook.eclipse || null
    readonly property date eclipseTime: eclipse ? Events.eclipseMoment(eclipse) : new Date(NaN)

    function apsisText(apsis) {
        return Events.apsisText(apsis, UI.formatLocal(apsis.time, UI.formats.dateTime),
                                Events.km(apsis.distanceKm, Qt.locale(UI.localeName)))
    }

    function eclipseText(eclipse) {
        // The date and its time stay on one line.
        return Events.eclipseText(eclipse, UI.formatLocal(eclipseTime, UI.formats.dateTime)
                                  .replace(/ /g, "\u00a0"))
    }

    spacing: 1 * UI.ppp

    Repeater {
        model: [outlook.perigee, outlook.apogee]

        LunarPanelLabel {
            objectName: index === 0 ? "perigee" : "apogee"
            width: root.width
            visible: modelData !== undefined
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            font.pixelSize: UI.fontSize(13 * UI.ppp)
            color: apsisMouse.containsMouse ? Colors.Label.White : Colors.OnDark.Grey
            // Read with the zone, as the phase rows are.
            text: modelData && UI.timeZone !== undefined ? root.apsisText(modelData) : ""

            MouseArea {
                id: apsisMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.clicked(modelData.time)
            }
        }
    }

    LunarPanelLabel {
        objectName: "eclipse"
        width: root.width
        visible: root.eclipse !== null
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
        font.pixelSize: UI.fontSize(13 * UI.ppp)
        color: eclipseMouse.containsMouse ? Colors.Label.White : Colors.OnDark.Grey
        text: root.eclipse && UI.timeZone !== undefined ? root.eclipseText(root.eclipse) : ""

        MouseArea {
            id: eclipseMouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: root.clicked(root.eclipseTime)
        }
    }
}
