import QtQuick 2.6
import Geo 1.0
import Global 1.0
import UI 1.0
import "../controls"
import "../settings"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// The observer's place, the interface scale, the daily update check, the program's place in the
// tray and at the desktop's start, and the way to the reminders.
Item {
    id: root

    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null

    signal remindersRequested()

    Item {
        anchors.fill: parent
        anchors.margins: 15 * UI.ppp

        Column {
            width: 300 * UI.ppp
            spacing: 10 * UI.ppp

            LocationForm {
                id: locationForm
                objectName: "locationForm"
                width: parent.width
                buttonWidth: 70
                overlay: root.overlay
            }

            InputSelect {
                id: zoneField
                objectName: "zoneField"
                width: parent.width
                labelText: qsTr("Times in")
                buttonWidth: 70
                overlay: root.overlay
                defaultIndex: Geo.placeTimeZone ? 1 : 0
                options: [qsTr("this computer's time zone"), qsTr("the place's time zone")]
                onSelectedIndexChanged: {
                    if (selectedIndex >= 0)
                        Geo.placeTimeZone = selectedIndex === 1
                }
            }

            // Which zone the place has: a city's own, for typed coordinates the nearest city's.
            Text {
                id: zoneNote
                width: parent.width
                leftPadding: 70 * UI.ppp
                text: Geo.location.zone !== ""
                      ? qsTr("The place's zone: %1").arg(Geo.location.zone)
                      : qsTr("No known city near the place: this computer's zone is used")
                color: Colors.Label.Grey
                wrapMode: Text.WordWrap
                font.family: "PT Sans, Open Sans, Helvetica"
                font.pixelSize: UI.fontSize(13 * UI.ppp)
            }

            InputSelect {
                id: scaleField
                objectName: "scaleField"
                width: parent.width
                labelText: qsTr("UI scale")
                buttonWidth: 70
                overlay: root.overlay
                defaultIndex: UI.storedScaleIndex

                // The options, each marked that would not fit the screen: choosing one of those
                // gives a smaller scale.
                function scaleOptions() {
                    return Util.toList(UI.scaleOptions).map(function(option, index) {
                        // The stored options are data: "Auto" is read by its position.
                        var shown = index === 0 ? qsTr("Auto") : option
                        return UI.scaleOptionFits(index) ? shown
                            : qsTr("%1 \u2013 too large for this screen").arg(shown)
                    })
                }

                // A copy taken once: the field then selects the stored option, and that first
                // selection is applied like any later one.
                Component.onCompleted: options = scaleOptions()
                onSelectedIndexChanged: {
                    if (selectedIndex >= 0)
                        UI.scaleIndex = selectedIndex
                }

                Connections {
                    target: UI
                    function onScaleIndexChanged() {
                        scaleField.selectedIndex = UI.scaleIndex
                        scaleField.options = scaleField.scaleOptions()
                    }
                    function onLanguageChanged() { scaleField.options = scaleField.scaleOptions() }
                }
            }

            // "System", then each language in its own name; a choice applies at once.
            InputSelect {
                id: languageField
                objectName: "languageField"
                width: parent.width
                labelText: qsTr("Language")
                buttonWidth: 70
                overlay: root.overlay
                options: [qsTr("System")].concat(Util.toList(UI.languages).map(function(code) {
                    return UI.languageName(code)
                }))
                selectedIndex: Util.toList(UI.languages).indexOf(UI.language) + 1
                onOptionSelected: UI.language = index === 0 ? "" : UI.languages[index - 1]
            }

            InputSwitch {
                id: updateSwitch
                objectName: "updateSwitch"
                text: qsTr("Check for updates")
                checked: Global.updatesEnabled
                onToggled: {
                    Global.updatesEnabled = checked
                    if (checked)
                        Global.checkForUpdates()
                }
            }
        }

        // The program outside its window: the tray, the desktop's start and the reminders.
        Column {
            x: 330 * UI.ppp
            width: parent.width - x
            spacing: 10 * UI.ppp

            // Offered only where the desktop has a tray to stay in.
            InputSwitch {
                objectName: "keepInTraySwitch"
                visible: Companion.trayAvailable
                text: qsTr("Keep running in the tray when the window is closed")
                checked: Companion.keepInTray
                onToggled: Companion.keepInTray = checked
            }

            InputSwitch {
                id: autostartSwitch
                objectName: "autostartSwitch"
                text: qsTr("Start with the desktop")
                checked: Companion.startWithDesktop
                onToggled: Companion.startWithDesktop = checked
                // What the file says, also when it could not be written.
                Connections {
                    target: Companion
                    function onStartWithDesktopChanged(on) { autostartSwitch.checked = on }
                }
            }

            ButtonBlack {
                objectName: "remindersButton"
                height: 30 * UI.ppp
                text: qsTr("Reminders...")
                onClicked: root.remindersRequested()
            }
        }

        Text {
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            text: Global.product + " v." + Global.version
            color: Colors.Label.Grey
            font.family: "PT Sans, Open Sans, Helvetica"
            font.pixelSize: UI.fontSize(18 * UI.ppp)
        }
    }
}
