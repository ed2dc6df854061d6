import QtQuick 2.6
import Geo 1.0
import Global 1.0
import UI 1.0
import "../controls"
import "../settings"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// The observer's place on a map across the page, and below it in two columns its fields and
// the zone on the left; the window's options, the program's place in the tray and at the
// desktop's start, and the way to the reminders on the right.
Item {
    id: root

    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null

    signal remindersRequested()

    Item {
        id: area
        anchors.fill: parent
        anchors.margins: 15 * UI.ppp

        readonly property real columnWidth: (width - 20 * UI.ppp) / 2

        // The boxes' share of a column: 70 % where the longest label leaves room for it, less
        // where a language makes a label longer.
        function boxShare(labelWidth) {
            return Math.min(70, 100 * (columnWidth - labelWidth - 10 * UI.ppp) / columnWidth)
        }
        readonly property real leftShare: boxShare(Math.max(locationForm.labelWidth,
                                                            zoneField.labelWidth))
        readonly property real rightShare: boxShare(Math.max(scaleField.labelWidth,
                                                             languageField.labelWidth))

        Column {
            width: parent.width
            spacing: 10 * UI.ppp

            LocationForm {
                id: locationForm
                objectName: "locationForm"
                width: parent.width
                fieldWidth: area.columnWidth
                buttonWidth: area.leftShare
                overlay: root.overlay
            }

            InputSelect {
                id: zoneField
                objectName: "zoneField"
                width: area.columnWidth
                labelText: qsTr("Times in")
                buttonWidth: area.leftShare
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
                width: area.columnWidth
                leftPadding: area.columnWidth * (100 - area.leftShare) / 100
                text: Geo.location.zone !== ""
                      ? qsTr("The place's zone: %1").arg(Geo.location.zone)
                      : qsTr("No known city near the place: this computer's zone is used")
                color: Colors.Label.Grey
                wrapMode: Text.WordWrap
                font.family: "PT Sans, Open Sans, Helvetica"
                font.pixelSize: UI.fontSize(13 * UI.ppp)
            }

        }

        Column {
            x: area.columnWidth + 20 * UI.ppp
            y: locationForm.mapHeight + locationForm.spacing
            width: area.columnWidth
            spacing: 10 * UI.ppp

            InputSelect {
                id: scaleField
                objectName: "scaleField"
                width: parent.width
                labelText: qsTr("UI scale")
                buttonWidth: area.rightShare
                overlay: root.overlay
                defaultIndex: UI.storedScaleIndex

                // The options, each marked that would not fit the screen; those are not offered.
                function scaleOptions() {
                    return Util.toList(UI.scaleOptions).map(function(option, index) {
                        // The stored options are data: "Auto" is read by its position.
                        var shown = index === 0 ? qsTr("Auto") : option
                        return UI.scaleOptionFits(index) ? shown
                            : qsTr("%1 \u2013 too large for this screen").arg(shown)
                    })
                }

                function tooLarge() {
                    var indices = []
                    for (var i = 0; i < UI.scaleOptions.length; ++i) {
                        if (!UI.scaleOptionFits(i))
                            indices.push(i)
                    }
                    return indices
                }

                // A copy taken once: the field then selects the stored option, and that first
                // selection is applied like any later one.
                Component.onCompleted: {
                    disabledOptions = tooLarge()
                    options = scaleOptions()
                }
                onSelectedIndexChanged: {
                    if (selectedIndex >= 0)
                        UI.scaleIndex = selectedIndex
                }

                Connections {
                    target: UI
                    function onScaleIndexChanged() {
                        scaleField.selectedIndex = UI.scaleIndex
                        scaleField.disabledOptions = scaleField.tooLarge()
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
                buttonWidth: area.rightShare
                overlay: root.overlay
                options: [qsTr("System")].concat(Util.toList(UI.languages).map(function(code) {
                    return UI.languageName(code)
                }))
                selectedIndex: Util.toList(UI.languages).indexOf(UI.language) + 1
                onOptionSelected: UI.language = index === 0 ? "" : UI.languages[index - 1]
            }

            CheckOption {
                objectName: "moonAsInSky"
                width: parent.width
                text: qsTr("Moon as in the sky now")
                //: Tooltip of the option "Moon as in the sky now".
                tip: qsTr("Turn the Moon's picture as it stands in your sky at the moment shown. "
                          + "Otherwise it is shown as seen from your hemisphere.")
                checked: UI.moonAsInSky
                onToggled: UI.moonAsInSky = checked
            }

            CheckOption {
                objectName: "updateSwitch"
                width: parent.width
                text: qsTr("Check for updates")
                checked: Global.updatesEnabled
                onToggled: {
                    Global.updatesEnabled = checked
                    if (checked)
                        Global.checkForUpdates()
                }
            }

            // Offered only where the desktop has a tray to stay in.
            CheckOption {
                objectName: "keepInTraySwitch"
                width: parent.width
                visible: Companion.trayAvailable
                text: qsTr("Keep running in the tray when the window is closed")
                checked: Companion.keepInTray
                onToggled: Companion.keepInTray = checked
            }

            CheckOption {
                id: autostartSwitch
                objectName: "autostartSwitch"
                width: parent.width
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
                onDark: false
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
