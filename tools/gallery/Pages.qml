import QtQuick 2.6
import Astro 1.0
import Geo 1.0
import UI 1.0
import "qrc:/qml/controls"
import "qrc:/qml/dialogs"
import "qrc:/qml/pages"
import "qrc:/qml/scripts/Colors.js" as Colors
import "qrc:/qml/scripts/Icons.js" as Icons

// The pages in a plain frame with the shared calculation and models, for looking at them
// (tools/gallery/gallery.cpp shows it with --scene pages). The column on the left only names the
// moment and the moon's lunar day and sign; the real moon panel lives in the root scene.
Rectangle {
    id: window

    property int pageIndex: typeof galleryPage !== "undefined" ? galleryPage : 1
    property date dateTime: UI.localTime()
    property var entry: null

    width: 1018 * UI.ppp
    height: 560 * UI.ppp
    color: Colors.Background.DarkMetal

    FontLoader { source: resourcePath + "fonts/fontawesome-webfont.ttf" }
    FontLoader { source: resourcePath + "fonts/pt-sans.ttf" }
    FontLoader { source: resourcePath + "fonts/pt-sans-bold.ttf" }
    FontLoader { source: resourcePath + "fonts/vendarion.ttf" }

    Calculation {
        id: calculation
        body: "moon"
        observerVector: Geo.location.vector
        onEphemerisCalculated: window.entry = ephe
        onObserverVectorChanged: {
            sharedCalendar.refresh()
            calculation.fullEphemeris(window.dateTime)
        }
    }
    CalendarModel {
        id: sharedCalendar
        calculation: calculation
        onSelectedDateChanged: window.dateTime = UI.fromDate(selectedDate)
    }
    SearchModel {
        id: sharedSearch
        calculation: calculation
    }

    onDateTimeChanged: {
        calculation.fullEphemeris(dateTime)
        sharedCalendar.selectedDate = dateTime
        sharedCalendar.activeMonth = dateTime
    }
    Component.onCompleted: calculation.fullEphemeris(dateTime)

    Rectangle {
        id: panel
        x: 20 * UI.ppp
        y: 20 * UI.ppp
        width: 294 * UI.ppp
        height: parent.height - 40 * UI.ppp
        color: Colors.Background.DarkGrey

        Column {
            anchors.centerIn: parent
            spacing: 10 * UI.ppp
            Repeater {
                model: [UI.formatDateTime(window.dateTime, "MM/dd/yyyy hh:mm"),
                        window.entry ? "Day " + window.entry.lunarDay : "",
                        window.entry ? "Sign " + window.entry.zodiac : "",
                        Geo.location.name]
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: modelData
                    color: "white"
                    font.pixelSize: UI.fontSize(18 * UI.ppp)
                }
            }
        }
    }

    Rectangle {
        anchors.left: panel.right
        anchors.leftMargin: 20 * UI.ppp
        anchors.right: parent.right
        anchors.rightMargin: 20 * UI.ppp
        y: 20 * UI.ppp
        height: parent.height - 40 * UI.ppp
        color: Colors.Background.LightSilver

        Loader {
            width: parent.width - switcher.width
            height: parent.height
            sourceComponent: [textsPage, calendarPage, settingsPage, infoPage][window.pageIndex]
        }

        Rectangle {
            id: switcher
            anchors.right: parent.right
            width: 50 * UI.ppp
            height: parent.height
            color: Colors.Background.DarkGrey

            Column {
                spacing: 1
                Repeater {
                    model: [Icons.FontAwesome.FileText, Icons.FontAwesome.Calendar,
                            Icons.FontAwesome.Cogs, Icons.FontAwesome.InfoCircle]
                    Rectangle {
                        width: switcher.width
                        height: width
                        color: index === window.pageIndex ? Colors.Button.Metal : "transparent"
                        Text {
                            x: 12 * UI.ppp
                            anchors.verticalCenter: parent.verticalCenter
                            text: modelData
                            color: index === window.pageIndex ? Colors.Label.Green : "white"
                            font.family: "FontAwesome"
                            font.pixelSize: UI.fontSize(25 * UI.ppp)
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: window.pageIndex = index
                        }
                    }
                }
            }
        }
    }

    Component { id: textsPage; TextsPage { entry: window.entry } }
    Component {
        id: calendarPage
        CalendarPage {
            calendarModel: sharedCalendar
            searchModel: sharedSearch
            overlay: modalOverlay
            onDateTimeSelected: window.dateTime = value
        }
    }
    Component { id: settingsPage; SettingsPage { overlay: modalOverlay } }
    Component { id: infoPage; InfoPage {} }

    UpdateDialog {
        id: updateDialog
        z: 1000
        Component.onCompleted: {
            if (typeof galleryShow !== "undefined" && galleryShow === "update")
                show(qsTr("Current version %1, latest %2").arg("3.1.0").arg("3.2.0"))
        }
    }

    ModalOverlay {
        id: modalOverlay
        anchors.fill: parent
        z: 1001
    }
}
