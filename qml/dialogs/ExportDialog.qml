import QtQuick 2.6
import Geo 1.0
import Ical 1.0
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// Exports the Moon's events of a range of days to an iCalendar file for the user's own calendar
// program: the range and the kinds of event here, then the system's save dialog. The file is
// made in the background, its texts in the interface language; the dialog shows how far it has
// come and can cancel it.
DialogPopup {
    id: root

    property var calculation: null
    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null
    // A moment of the month the calendar shows, which "This month" exports.
    property date shownMonth: UI.localTime()
    // A mask of the kinds, in the order of kindNames: void of course, sign changes and phases.
    property int kinds: 7
    property string status: ""

    readonly property var kindNames: [qsTr("Void of course"), qsTr("Sign changes"), qsTr("Phases"),
                                      qsTr("Lunar days"), qsTr("Moonrise"), qsTr("Moonset"),
                                      qsTr("Eclipses"), qsTr("Perigee and apogee")]
    readonly property bool custom: range.selectedIndex === 3
    // The calendar program's reminder before each event, in minutes; none first.
    readonly property var alarmMinutes: [-1, 0, 15, 60, 1440]

    function open() {
        status = ""
        showPreset()
        opacity = 1
    }

    function showPreset() {
        if (custom)
            return
        var days = exporter.presetRange(range.selectedIndex, shownMonth)
        from.inputDate = days.from
        to.inputDate = days.to
    }

    function chooseFile() {
        if (exporter.busy)
            return
        var problem = exporter.rangeProblem(from.inputDate, to.inputDate)
        if (problem === 1)
            status = qsTr("The last day lies before the first.")
        else if (problem === 2)
            status = qsTr("Choose at most %1 years between %2 and %3.")
                .arg(exporter.maximumYears).arg(exporter.firstYear).arg(exporter.lastYear)
        else
            status = kinds === 0 ? qsTr("Choose at least one kind of event.") : ""
        if (status !== "")
            return
        var file = UI.chooseSaveFile(qsTr("Export to Calendar"),
                                     exporter.proposedName(from.inputDate, to.inputDate),
                                     qsTr("iCalendar files (*.ics)"))
        if (file.toString() !== ""
                && exporter.start(file, from.inputDate, to.inputDate, kinds, placeName(),
                                  UI.interfaceLanguage,
                                  alarmMinutes[Math.max(0, alarm.selectedIndex)]))
            status = ""
    }

    // A city is named as the place list names it; typed coordinates are written as numbers.
    function placeName() {
        var place = Geo.location
        return place.country !== "" ? place.name + ", " + place.country : ""
    }

    title: qsTr("Export to Calendar")
    clientWidth: 440 * UI.ppp
    clientHeight: 415 * UI.ppp
    keepOpen: true
    buttonsData: ({ "ok": qsTr("Export..."), "cancel": qsTr("Cancel") })

    onShownMonthChanged: showPreset()
    onOkClicked: chooseFile()
    onCancelClicked: {
        if (exporter.busy)
            exporter.cancel()
        else
            opacity = 0
    }

    CalendarExport {
        id: exporter
        calculation: root.calculation
        onFinished: {
            if (ok) {
                root.opacity = 0
                UI.showInformation(qsTr("Export to Calendar"),
                                  qsTr("The calendar was saved as\n%1").arg(file))
            } else {
                root.status = error === "" ? qsTr("The export was cancelled.")
                                           : qsTr("The calendar could not be saved:\n%1").arg(error)
            }
        }
    }

    Column {
        width: parent.width
        spacing: 8 * UI.ppp
        // Nothing changes while the file is made.
        enabled: !exporter.busy

        InputSelect {
            id: range
            width: parent.width
            height: 27 * UI.ppp
            overlay: root.overlay
            labelText: qsTr("Range")
            labelColor: Colors.Label.White
            buttonWidth: 60
            options: [qsTr("This month"), qsTr("Next 3 months"), qsTr("Next 12 months"),
                      qsTr("From - to")]
            onSelectedIndexChanged: root.showPreset()
        }

        InputDate {
            id: from
            width: parent.width
            height: 27 * UI.ppp
            overlay: root.overlay
            labelText: qsTr("From")
            labelColor: Colors.Label.White
            buttonWidth: 60
            enabled: root.custom
            opacity: enabled ? 1 : 0.6
        }
        InputDate {
            id: to
            width: parent.width
            height: 27 * UI.ppp
            overlay: root.overlay
            labelText: qsTr("To")
            labelColor: Colors.Label.White
            buttonWidth: 60
            enabled: root.custom
            opacity: enabled ? 1 : 0.6
        }

        InputSelect {
            id: alarm
            width: parent.width
            height: 27 * UI.ppp
            overlay: root.overlay
            labelText: qsTr("Reminder")
            labelColor: Colors.Label.White
            buttonWidth: 60
            options: [qsTr("None"), qsTr("At the moment"), qsTr("15 minutes before"),
                      qsTr("1 hour before"), qsTr("1 day before")]
        }

        Grid {
            columns: 2
            columnSpacing: 20 * UI.ppp
            rowSpacing: 6 * UI.ppp
            topPadding: 6 * UI.ppp

            Repeater {
                model: root.kindNames

                Item {
                    readonly property bool checked: (root.kinds & (1 << index)) !== 0

                    width: 190 * UI.ppp
                    height: 24 * UI.ppp

                    Text {
                        id: glyph
                        anchors.verticalCenter: parent.verticalCenter
                        // Off is an empty grey box, not a filled one in the colour of on.
                        text: parent.checked ? Icons.FontAwesome.CheckSquare
                                             : Icons.FontAwesome.SquareOutline
                        color: parent.checked ? Colors.OnDark.Green : Colors.OnDark.Grey
                        font.family: "FontAwesome"
                        font.pixelSize: UI.fontSize(18 * UI.ppp)
                    }
                    Text {
                        anchors.left: glyph.right
                        anchors.leftMargin: 10 * UI.ppp
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData
                        color: Colors.Label.White
                        font.pixelSize: UI.fontSize(16 * UI.ppp)
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.kinds ^= 1 << index
                    }
                    FocusTarget {
                        anchors.fill: parent
                        onDark: true
                        role: Accessible.CheckBox
                        name: modelData
                        checkable: true
                        checked: parent.checked
                        onActivated: root.kinds ^= 1 << index
                    }
                }
            }
        }

        Text {
            width: parent.width
            topPadding: 4 * UI.ppp
            wrapMode: Text.Wrap
            color: Colors.Label.White
            text: exporter.busy ? qsTr("Exporting... %1%").arg(Math.floor(exporter.progress * 100))
                                : root.status
            // A problem or the end of the work is told to a screen reader as it comes.
            Accessible.role: Accessible.AlertMessage
            Accessible.name: root.status
            font.pixelSize: UI.fontSize(15 * UI.ppp)
        }
    }
}
