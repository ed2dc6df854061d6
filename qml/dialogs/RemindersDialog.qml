import QtQuick 2.6
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// Which of the Moon's events the program reminds of, and how long before: a line per kind with
// its lead time, and under a chosen kind the parts that can be picked (the void's two ends, the
// phases, the signs, the lunar days). Every change applies at once.
DialogPopup {
    id: root

    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null

    // In the order of Companion.leadMinutes.
    readonly property var leadNames: [qsTr("At the moment"), qsTr("15 minutes before"),
                                      qsTr("1 hour before"), qsTr("1 day before")]

    function open() {
        opacity = 1
    }

    title: qsTr("Reminders")
    clientWidth: 640 * UI.ppp
    clientHeight: 500 * UI.ppp
    buttons: ["ok"]
    buttonsData: ({ "ok": qsTr("Close") })

    ScrollableItem {
        id: scroll
        anchors.fill: parent

        Column {
            width: scroll.width - scroll.thickness - 4 * UI.ppp
            spacing: 8 * UI.ppp

            Text {
                width: parent.width
                wrapMode: Text.Wrap
                color: Colors.Label.White
                text: qsTr("Shown as desktop notifications while the program runs, for the place "
                           + "and in the time zone the window shows.")
                font.pixelSize: UI.fontSize(14 * UI.ppp)
            }

            Repeater {
                model: Companion.reminderKinds

                Column {
                    id: kind

                    readonly property var info: modelData

                    objectName: "reminder_" + info.name
                    width: parent.width
                    spacing: 4 * UI.ppp

                    Item {
                        width: parent.width
                        height: 27 * UI.ppp

                        Text {
                            id: glyph
                            anchors.verticalCenter: parent.verticalCenter
                            // Off is an empty grey box, not a filled one in the colour of on.
                            text: kind.info.on ? Icons.FontAwesome.CheckSquare
                                               : Icons.FontAwesome.SquareOutline
                            color: kind.info.on ? Colors.OnDark.Green : Colors.OnDark.Grey
                            font.family: "FontAwesome"
                            font.pixelSize: UI.fontSize(18 * UI.ppp)
                        }
                        Text {
                            id: label
                            anchors.left: glyph.right
                            anchors.leftMargin: 10 * UI.ppp
                            anchors.right: lead.left
                            anchors.verticalCenter: parent.verticalCenter
                            elide: Text.ElideRight
                            text: kind.info.label
                            color: Colors.Label.White
                            font.pixelSize: UI.fontSize(16 * UI.ppp)
                        }
                        function toggle() {
                            Companion.setReminderOn(kind.info.name, !kind.info.on)
                        }

                        MouseArea {
                            id: kindMouse
                            anchors.left: parent.left
                            anchors.right: label.right
                            height: parent.height
                            cursorShape: Qt.PointingHandCursor
                            onClicked: parent.toggle()
                        }
                        FocusTarget {
                            anchors.fill: kindMouse
                            onDark: true
                            role: Accessible.CheckBox
                            name: kind.info.label
                            checkable: true
                            checked: kind.info.on
                            onActivated: parent.toggle()
                        }

                        InputSelect {
                            id: lead
                            anchors.right: parent.right
                            width: 240 * UI.ppp
                            height: parent.height
                            buttonWidth: 100
                            onDark: true
                            overlay: root.overlay
                            enabled: kind.info.on
                            opacity: enabled ? 1 : 0.6
                            options: root.leadNames
                            //: A screen reader's name of a reminder's lead time; %1 the kind.
                            accessibleName: qsTr("When to remind of: %1").arg(kind.info.label)
                            defaultIndex: Math.max(0, Companion.leadMinutes.indexOf(kind.info.lead))
                            selectedIndex: Companion.leadMinutes.indexOf(kind.info.lead)
                            onOptionSelected: Companion.setReminderLead(kind.info.name,
                                                                        Companion.leadMinutes[index])
                        }
                    }

                    Flow {
                        visible: kind.info.on && kind.info.picks.length > 0
                        width: parent.width
                        leftPadding: 28 * UI.ppp
                        spacing: 4 * UI.ppp

                        Repeater {
                            model: kind.info.picks

                            Rectangle {
                                width: Math.max(26 * UI.ppp, pick.implicitWidth + 12 * UI.ppp)
                                height: 22 * UI.ppp
                                radius: 3 * UI.ppp
                                color: modelData.on ? Colors.Button.Green : Colors.Background.DarkGrey
                                border.width: 1
                                border.color: modelData.on ? Colors.Button.Green : Colors.OnDark.Grey

                                Text {
                                    id: pick
                                    anchors.centerIn: parent
                                    text: modelData.label
                                    color: modelData.on ? Colors.Label.White : Colors.OnDark.Grey
                                    font.pixelSize: UI.fontSize(13 * UI.ppp)
                                }
                                MouseArea {
                                    anchors.fill: parent
                                    cursorShape: Qt.PointingHandCursor
                                    onClicked: parent.toggle()
                                }
                                FocusTarget {
                                    anchors.fill: parent
                                    onDark: true
                                    role: Accessible.CheckBox
                                    name: modelData.label
                                    description: kind.info.label
                                    checkable: true
                                    checked: modelData.on
                                    onActivated: parent.toggle()
                                }

                                function toggle() {
                                    Companion.setReminderPick(kind.info.name, modelData.key,
                                                              !modelData.on)
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
