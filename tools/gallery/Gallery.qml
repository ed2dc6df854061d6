import QtQuick 2.6
import UI 1.0
import "qrc:/qml/controls"
import "qrc:/qml/lunar"
import "qrc:/qml/scripts/Colors.js" as Colors
import "qrc:/qml/scripts/Icons.js" as Icons
import "qrc:/qml/scripts/Lunar.js" as Lunar

// Every control on one page, for looking at them (tools/gallery/gallery.cpp shows it).
Rectangle {
    id: window

    readonly property var cities: ["Amsterdam", "Athens", "Berlin", "Bern", "Brussels",
        "Bucharest", "Budapest", "Copenhagen", "Dublin", "Helsinki", "Lisbon", "Ljubljana",
        "London", "Luxembourg", "Madrid", "Oslo", "Paris", "Prague", "Riga", "Rome"]

    width: 1300 * UI.ppp
    height: 850 * UI.ppp
    color: Colors.Background.DarkMetal

    // The moon panel's pieces on its dark column.
    Rectangle {
        id: panel
        x: 20 * UI.ppp
        y: 20 * UI.ppp
        width: 294 * UI.ppp
        height: parent.height - 40 * UI.ppp
        color: Colors.Background.DarkGrey

        Column {
            x: 18 * UI.ppp
            y: 9 * UI.ppp
            width: parent.width - 36 * UI.ppp
            spacing: 6 * UI.ppp

            LunarDay {
                width: parent.width
                today: 17
            }

            Item {
                width: parent.width
                height: 174 * UI.ppp

                Rectangle {
                    // Stands in for the Moon picture, which is not in this tree yet.
                    anchors.centerIn: parent
                    width: 174 * UI.ppp
                    height: width
                    radius: width / 2
                    color: "#b8b8b0"
                }
                LunarView {
                    id: bigMoon
                    anchors.centerIn: parent
                    width: 174 * UI.ppp
                    height: width
                    phase: 0.3
                }
                Column {
                    anchors.centerIn: parent
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: "73%"
                        color: Colors.Label.Pink
                        font.family: "PT Sans"
                        font.pixelSize: UI.fontSize(32 * UI.ppp)
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTranslate("Lunar", Lunar.phaseName(bigMoon.phase))
                        color: Colors.Label.Pink
                        font.family: "PT Sans"
                        font.pixelSize: UI.fontSize(18 * UI.ppp)
                    }
                }
                Spinner {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: parent.height / 2 - 10 * UI.ppp
                    width: 45 * UI.ppp
                    height: 45 * UI.ppp
                }
            }

            Repeater {
                model: [0, 0.25, 0.5, 0.75]

                Item {
                    width: parent.width
                    height: 34 * UI.ppp

                    Rectangle {
                        width: parent.height
                        height: width
                        radius: width / 2
                        color: "#b8b8b0"
                    }
                    LunarPhaseView {
                        anchors.fill: parent
                        phase: modelData
                        prevDate: new Date(2016, 1, 8 + 7 * index, 15, 39)
                        nextDate: new Date(2016, 2, 9 + 7 * index, 1, 54)
                    }
                }
            }

            LunarPanelLabel {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                textFormat: Text.RichText
                color: "#2ab66d"
                font.pixelSize: UI.fontSize(17 * UI.ppp)
                font.weight: Font.Medium
                lineHeight: 0.84
                text: UI.formatDegrees(12.5) + " of " + Lunar.Zodiacs[4].name + " "
                      + Lunar.Zodiacs[4].icon + "<br>" + qsTranslate("Lunar", Lunar.Zodiacs[4].day)
                      + ", <font color=\"" + Colors.Label.Pink + "\">" + qsTr("Void Course")
                      + "</font>"
            }
        }

        LunarTime {
            id: editor
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10 * UI.ppp
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 36 * UI.ppp
            onUpdateTime: editor.time = time
        }
    }

    Rectangle {
        id: page
        anchors.left: panel.right
        anchors.leftMargin: 20 * UI.ppp
        anchors.right: parent.right
        anchors.rightMargin: 20 * UI.ppp
        y: 20 * UI.ppp
        height: parent.height - 40 * UI.ppp
        color: Colors.Background.LightSilver

        Rectangle {
            width: parent.width
            height: 60 * UI.ppp
            color: "white"

            TabSwitcher {
                x: 35 * UI.ppp
                width: parent.width / 2
                height: parent.height
                spacing: 40 * UI.ppp
                names: [qsTr("Daily"), qsTr("Void Course"), qsTr("Two\nlines")]
                selectedIndex: 1
            }
        }

        Column {
            x: 15 * UI.ppp
            y: 75 * UI.ppp
            width: 300 * UI.ppp
            spacing: 10 * UI.ppp

            InputSelect {
                id: select
                width: parent.width
                labelText: qsTr("Moon day")
                options: ["Any", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"]
                buttonWidth: 70
                overlay: modalOverlay
            }
            InputSelect {
                width: parent.width
                labelText: qsTr("In sign")
                placeholder: qsTr("Choose a sign")
                buttonWidth: 70
                overlay: modalOverlay
            }
            InputDate {
                id: datePicker
                width: parent.width
                labelText: qsTr("From")
                initialText: "Today"
                buttonWidth: 70
                overlay: modalOverlay
            }
            InputSearch {
                width: parent.width
                labelText: qsTr("City")
                placeholder: qsTr("Search city")
                buttonWidth: 70
                overlay: modalOverlay
                onSearched: {
                    options = window.cities.filter(function(name) {
                        return name.toLowerCase().indexOf(lookup.toLowerCase()) === 0
                    })
                }
            }
            InputText {
                width: parent.width
                labelText: qsTr("Latitude")
                isNumber: true
                buttonWidth: 70
                Component.onCompleted: setText("52.37")
            }
            InputText {
                width: parent.width
                labelText: qsTr("Longitude")
                placeholder: qsTr("degrees east")
                isNumber: true
                buttonWidth: 70
            }
        }

        Column {
            x: 360 * UI.ppp
            y: 75 * UI.ppp
            spacing: 10 * UI.ppp

            Row {
                spacing: 4 * UI.ppp
                Repeater {
                    model: Object.keys(Icons.FontAwesome)
                    Icon {
                        icon: Icons.FontAwesome[modelData]
                        size: 18 * UI.ppp
                        iconColor: Colors.Label.Blue
                        backgroundColor: index % 2 ? "white" : Colors.Background.Light
                    }
                }
            }
            Row {
                spacing: 10 * UI.ppp
                ButtonBlack { text: qsTr("Open dialog"); onClicked: dialog.opacity = 1 }
                ButtonBlack { text: qsTr("Disabled"); enabled: false }
                Text {
                    text: Lunar.Zodiacs.map(function(z) { return z.icon }).join(" ")
                    font.family: "Vendarion, PT Sans"
                    font.pixelSize: UI.fontSize(20 * UI.ppp)
                }
            }
            Row {
                spacing: 10 * UI.ppp
                Repeater {
                    model: [0, 0.1, 0.25, 0.4, 0.5, 0.6, 0.75, 0.9, 0.997]
                    Item {
                        width: 60 * UI.ppp
                        height: 60 * UI.ppp
                        Rectangle {
                            anchors.fill: parent
                            radius: width / 2
                            color: "#b8b8b0"
                        }
                        LunarView {
                            anchors.fill: parent
                            phase: modelData
                        }
                    }
                }
            }
            ScrollableItem {
                width: 340 * UI.ppp
                height: 150 * UI.ppp
                Column {
                    Repeater {
                        model: 20
                        Text {
                            text: qsTr("Result row %1").arg(index + 1)
                            font.pixelSize: UI.fontSize(14 * UI.ppp)
                        }
                    }
                }
            }
        }

        DialogPopup {
            id: dialog
            title: qsTr("Update Available")
            Text {
                anchors.centerIn: parent
                text: qsTr("Current version %1, latest %2").arg("3.1.0").arg("3.2.0")
                color: "white"
                font.pixelSize: UI.fontSize(20 * UI.ppp)
            }
        }
    }

    ModalOverlay {
        id: modalOverlay
        anchors.fill: parent
        showModality: true
    }

    Timer {
        // After the first frames, so the drop-down finds its box where it is drawn.
        interval: 500
        running: true
        onTriggered: {
            if (galleryShow === "dropdown")
                select.openList()
            else if (galleryShow === "calendar")
                datePicker.openCalendar()
            else if (galleryShow === "dialog")
                dialog.opacity = 1
        }
    }
}
