import QtQuick 2.6
import Geo 1.0
import Print 1.0
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors

// Prints the month calendar, one month a page: the months and the page's orientation here,
// then the print preview, the system's print dialog or a PDF file. The months are computed in
// the background; the dialog shows how far it has come and can cancel it.
DialogPopup {
    id: root

    // The shared calendar model: its month is "this month", its calculation the place and zone.
    property var calendarModel: null
    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null
    property string status: ""

    readonly property bool custom: range.selectedIndex === 3

    function open() {
        status = ""
        showPreset()
        opacity = 1
    }

    function showPreset() {
        if (custom)
            return
        var months = printer.presetRange(range.selectedIndex)
        from.inputDate = months.from
        to.inputDate = months.to
    }

    // action: CalendarPrint.Preview, Print or Pdf.
    function go(action) {
        if (printer.busy)
            return
        var problem = printer.rangeProblem(from.inputDate, to.inputDate)
        if (problem === 1)
            status = qsTr("The last month lies before the first.")
        else if (problem === 2)
            status = qsTr("Choose at most %1 months between %2 and %3.")
                .arg(printer.maximumMonths).arg(printer.firstYear).arg(printer.lastYear)
        else
            status = ""
        if (status !== "")
            return
        printer.start(action, from.inputDate, to.inputDate, orientation.selectedIndex === 1,
                      placeName(), UI.interfaceLanguage, UI.localeName)
    }

    // A city is named as the place list names it; typed coordinates are printed as numbers.
    function placeName() {
        var place = Geo.location
        return place.country !== "" ? place.name + ", " + place.country : ""
    }

    title: qsTr("Print")
    // Four buttons that hold the longest translation ("Exportar como PDF...").
    clientWidth: 4 * buttonWidth + 70 * UI.ppp
    buttonWidth: 190 * UI.ppp
    clientHeight: 310 * UI.ppp
    keepOpen: true
    buttons: ["preview", "print", "pdf", "cancel"]
    buttonsData: ({ "preview": qsTr("Preview..."), "print": qsTr("Print..."),
                    "pdf": qsTr("Export as PDF..."), "cancel": qsTr("Cancel") })

    onButtonClicked: {
        if (name === "preview")
            go(CalendarPrint.Preview)
        else if (name === "print")
            go(CalendarPrint.Print)
        else if (name === "pdf")
            go(CalendarPrint.Pdf)
    }
    onCancelClicked: {
        if (printer.busy)
            printer.cancel()
        else
            opacity = 0
    }

    CalendarPrint {
        id: printer
        objectName: "calendarPrint"
        calendarModel: root.calendarModel
        onFinished: {
            if (ok && file !== "") {
                root.opacity = 0
                UI.showMessageBox(qsTr("Export as PDF"), qsTr("The calendar was saved as\n%1").arg(file))
            } else if (ok) {
                root.opacity = 0
            } else if (error !== "") {
                root.status = qsTr("The calendar could not be printed:\n%1").arg(error)
            }
        }
    }

    Column {
        width: 440 * UI.ppp
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 8 * UI.ppp
        // Nothing changes while the months are computed.
        enabled: !printer.busy

        InputSelect {
            id: range
            width: parent.width
            height: 27 * UI.ppp
            overlay: root.overlay
            labelText: qsTr("Months")
            labelColor: Colors.Label.White
            buttonWidth: 60
            options: [qsTr("This month"), qsTr("3 months from this one"),
                      qsTr("12 months from this one"), qsTr("From - to")]
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
            id: orientation
            width: parent.width
            height: 27 * UI.ppp
            overlay: root.overlay
            labelText: qsTr("Pages")
            labelColor: Colors.Label.White
            buttonWidth: 60
            options: [qsTr("Portrait"), qsTr("Landscape")]
        }

        Text {
            width: parent.width
            topPadding: 4 * UI.ppp
            wrapMode: Text.Wrap
            color: Colors.Label.White
            text: printer.busy && printer.progress < 1 ? qsTr("Computing the months... %1%").arg(Math.floor(printer.progress * 100))
                               : root.status
            // A problem or the end of the work is told to a screen reader as it comes.
            Accessible.role: Accessible.AlertMessage
            Accessible.name: root.status
            font.pixelSize: UI.fontSize(15 * UI.ppp)
        }
    }
}
