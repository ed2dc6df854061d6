import QtQuick 2.6
import UI 1.0
import "../scripts/Calendar.js" as Calendar
import "../scripts/Colors.js" as Colors
import "../scripts/Events.js" as Events

// One day of the month grid in its two views: the signs and lunar days ("Daily") or the
// void-of-course interval that begins that day ("Void Course").
Rectangle {
    id: root

    // The grid's record of the day (see CalendarView).
    property Item cell: null
    // 0 Daily, 1 Void Course.
    property int selectedTab: 0
    readonly property bool hovered: mouse.containsMouse

    signal clicked()
    // The mouse rests on a mark's glyph, or has left it.
    signal tipRequested(Item item, string text)
    signal tipHidden()

    readonly property bool showsVoid: selectedTab === 1 && cell.voidZodiac >= 0

    color: !cell.isMonthVisible ? Colors.Background.Lighter
                                : cell.isSelected ? Colors.Background.LightSilver
                                                  : Colors.Background.White
    border.width: 1 * UI.ppp
    border.color: Colors.Background.Light

    Rectangle {
        anchors.fill: parent
        anchors.margins: root.border.width
        color: Colors.Background.LightSilver
        opacity: root.hovered && !root.cell.isSelected ? 0.4 : 0

        Behavior on opacity {
            NumberAnimation { duration: 100 }
        }
    }

    Item {
        id: data
        anchors.fill: parent
        // Whole even outside the month: faded, its texts would be too faint to read. The
        // paler cell and the grey day number set those days apart.
        opacity: root.cell.received ? 1 : 0

        Behavior on opacity {
            NumberAnimation { duration: 200; easing.type: Easing.OutSine }
        }

        Text {
            x: 5 * UI.ppp
            y: 3 * UI.ppp
            text: UI.formatDateTime(root.cell.date, "d")
            color: root.cell.isSelected ? Colors.Label.SelectedDay
                                        : root.cell.isMonthVisible ? Colors.Label.Black : Colors.Label.Grey
            font.pixelSize: UI.fontSize(17 * UI.ppp)
        }

        Item {
            anchors.fill: parent
            opacity: root.selectedTab === 0 ? 1 : 0

            Behavior on opacity {
                NumberAnimation { duration: 200; easing.type: Easing.InOutSine }
            }

            Text {
                objectName: "signs"
                anchors.right: parent.right
                anchors.rightMargin: 3 * UI.ppp
                y: 6 * UI.ppp
                text: Calendar.signGlyphs(root.cell.firstZodiac, root.cell.secondZodiac)
                color: Colors.Label.Green
                font.family: "Vendarion"
                font.pixelSize: UI.fontSize(16 * UI.ppp)
                font.letterSpacing: 2
            }

            Text {
                objectName: "lunarDay"
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 5 * UI.ppp
                text: Calendar.lunarDayText(root.cell.firstLunarDay, root.cell.secondLunarDay)
                color: Colors.Label.Blue
                font.pixelSize: (root.height < 50 * UI.ppp ? UI.fontSize(14) : UI.fontSize(16))
                                * UI.ppp
            }
        }

        Item {
            anchors.fill: parent
            opacity: root.showsVoid ? 1 : 0

            Behavior on opacity {
                NumberAnimation { duration: 200; easing.type: Easing.InOutSine }
            }

            Text {
                anchors.right: parent.right
                anchors.rightMargin: 3 * UI.ppp
                y: 6 * UI.ppp
                text: Calendar.signGlyph(root.cell.voidZodiac)
                color: Colors.Label.Green
                font.family: "Vendarion"
                font.pixelSize: UI.fontSize(16 * UI.ppp)
                font.letterSpacing: 2
            }

            Text {
                objectName: "voidTimes"
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 5 * UI.ppp
                text: root.cell.voidZodiac < 0 ? ""
                      : UI.formatLocal(root.cell.voidStart, UI.formats.time) + " - "
                        + UI.formatLocal(root.cell.voidEnd, UI.formats.time)
                color: Colors.Label.Blue
                font.pixelSize: UI.fontSize((root.width < 94 ? 12 : 14) * UI.ppp)
            }
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }

    // The eclipses, perigees and apogees of the day at the bottom left, on the daily view;
    // over the day's own mouse area, so that each glyph tells what it marks.
    Row {
        objectName: "marks"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 5 * UI.ppp
        spacing: 3 * UI.ppp
        opacity: data.opacity * (root.selectedTab === 0 ? 1 : 0)
        visible: opacity > 0

        Repeater {
            model: root.cell.marks

            Text {
                text: Events.glyph(modelData)
                color: modelData.kind === "eclipse" || modelData.kind === "nearperigee"
                       ? Colors.Label.Red : Colors.Label.Light
                font.family: "FontAwesome"
                font.pixelSize: UI.fontSize(14 * UI.ppp)

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -1 * UI.ppp
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onContainsMouseChanged: {
                        if (containsMouse) {
                            root.tipRequested(parent, Events.markText(modelData, function(t) {
                                return UI.formatLocal(t, UI.formats.time)
                            }, Qt.locale(UI.localeName)))
                        } else {
                            root.tipHidden()
                        }
                    }
                    onClicked: root.clicked()
                }
            }
        }
    }
}
