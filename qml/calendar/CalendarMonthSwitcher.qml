import QtQuick 2.6
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// The month title between two arrows that step to the first day of the month before or after.
Item {
    id: root

    property date selectedDate: UI.localTime()
    // The month's name in the interface language.
    property var locale: Qt.locale(UI.namesLocaleName)
    readonly property string title: UI.monthTitle(selectedDate, locale.name)

    // months: -1 the month before, 1 the month after.
    function step(months) {
        selectedDate = UI.addMonths(UI.firstOfMonth(selectedDate), months)
    }

    // Where the left arrow's glyph begins, from the left edge: the room left of it is free.
    readonly property real contentLeft: titleText.x - 42 * UI.ppp

    // Room for the longest month's title of the year and both arrows' click areas: the width
    // stays the same from month to month, and nothing beside it is overlapped.
    readonly property real widestTitle: {
        var year = UI.formatDateTime(selectedDate, "yyyy")
        // Read here, so that another scale measures again.
        var widest = titleMetrics.font.pixelSize * 0
        for (var month = 1; month <= 12; ++month) {
            var day = UI.parseDateTime(year + "-" + (month < 10 ? "0" : "") + month + "-15 12:00",
                                       "yyyy-MM-dd hh:mm")
            widest = Math.max(widest, titleMetrics.advanceWidth(UI.monthTitle(day, locale.name)))
        }
        return widest
    }

    implicitWidth: widestTitle + 2 * 62 * UI.ppp
    implicitHeight: 40 * UI.ppp

    FontMetrics {
        id: titleMetrics
        font: titleText.font
    }

    Text {
        id: titleText
        anchors.centerIn: parent
        text: root.title
        color: Colors.Label.Light
        font.pixelSize: UI.fontSize(21 * UI.ppp)
    }

    Repeater {
        model: [-1, 1]

        Item {
            objectName: modelData < 0 ? "previousMonth" : "nextMonth"
            width: 40 * UI.ppp
            height: 40 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            x: modelData < 0 ? titleText.x - 30 * UI.ppp - arrow.width / 2 - width / 2
                             : titleText.x + titleText.width + 30 * UI.ppp + arrow.width / 2
                               - width / 2

            Text {
                id: arrow
                anchors.centerIn: parent
                text: modelData < 0 ? Icons.FontAwesome.AngleLeft : Icons.FontAwesome.AngleRight
                color: Colors.Label.Blue
                font.family: "FontAwesome"
                font.pixelSize: UI.fontSize(30 * UI.ppp)
            }

            MouseArea {
                id: stepMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.step(modelData)
            }
            AreaTip {
                area: stepMouse
                text: stepTarget.name
            }
            FocusTarget {
                id: stepTarget
                anchors.fill: parent
                anchors.margins: 6 * UI.ppp
                name: modelData < 0 ? qsTr("The month before") : qsTr("The month after")
                description: root.title
                onActivated: root.step(modelData)
            }
        }
    }
}
