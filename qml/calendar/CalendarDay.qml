import QtQuick 2.6
import UI 1.0
import "../controls"
import "../scripts/Calendar.js" as Calendar
import "../scripts/Colors.js" as Colors
import "../scripts/Events.js" as Events
import "../scripts/Lunar.js" as Lunar

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

    function signName(sign) {
        var row = Lunar.zodiac(sign)
        return row ? qsTranslate("Lunar", row.name) : ""
    }

    // The glyphs and numbers in words, on hover.
    function tipText() {
        if (!cell.received)
            return ""
        if (showsVoid)
            //: Tooltip of a day on the Void Course tab: %1 to %2 the times, %3 the sign.
            return qsTr("Void of course from %1 to %2 (%3)")
                .arg(UI.formatLocal(cell.voidStart, UI.formats.time))
                .arg(UI.formatLocal(cell.voidEnd, UI.formats.time))
                .arg(signName(cell.voidZodiac))
        var signs = cell.firstZodiac === cell.secondZodiac ? signName(cell.firstZodiac)
            : signName(cell.firstZodiac) + " \u2192 " + signName(cell.secondZodiac)
        //: Tooltip of a day on the Daily tab: %1 the sign(s), %2 the lunar day(s).
        return qsTr("Sign: %1, lunar day %2").arg(signs)
            .arg(Calendar.lunarDayText(cell.firstLunarDay, cell.secondLunarDay))
    }

    // The whole day in words, for a screen reader: the date, the lunar days, the signs, the void
    // of course and the great days, times on the shown clock.
    function spokenText() {
        var parts = [UI.formatDay(cell.day, Qt.locale(UI.localeName).dateFormat(Locale.LongFormat))]
        if (!cell.received)
            return parts[0]
        parts.push(cell.firstLunarDay === cell.secondLunarDay
                   //: A day of the calendar, read out: its lunar day.
                   ? qsTr("lunar day %1").arg(cell.firstLunarDay)
                   //: A day of the calendar, read out: the lunar days it holds.
                   : qsTr("lunar day %1 to %2").arg(cell.firstLunarDay).arg(cell.secondLunarDay))
        var first = Lunar.zodiac(cell.firstZodiac)
        if (first && cell.secondZodiac !== cell.firstZodiac)
            //: A day of the calendar, read out: the Moon changes sign from %1 to %2.
            parts.push(qsTr("Moon in %1, then %2").arg(signName(cell.firstZodiac))
                       .arg(signName(cell.secondZodiac)))
        else if (first)
            parts.push(qsTranslate("Lunar", first.moonIn))
        if (cell.voidZodiac >= 0)
            //: A day of the calendar, read out: the void of course from %1 to %2.
            parts.push(qsTr("void of course %1 to %2")
                       .arg(UI.formatLocal(cell.voidStart, UI.formats.time))
                       .arg(UI.formatLocal(cell.voidEnd, UI.formats.time)))
        for (var i = 0; i < cell.marks.length; ++i)
            parts.push(markText(cell.marks[i]))
        return parts.join(", ").replace(/\n/g, ", ")
    }

    // An eclipse, perigee or apogee of the day in words, with its time on the shown clock.
    function markText(mark) {
        return Events.markText(mark, function(t) { return UI.formatLocal(t, UI.formats.time) },
                               Qt.locale(UI.localeName))
    }

    Accessible.role: Accessible.ListItem
    Accessible.name: UI.timeZone !== undefined && UI.localeName !== undefined ? spokenText() : ""
    Accessible.selectable: true
    Accessible.selected: cell.isSelected
    Accessible.focusable: true
    Accessible.onPressAction: clicked()

    color: !cell.isMonthVisible ? Colors.Background.Lighter
                                : cell.isSelected ? Colors.Background.LightSilver
                                                  : Colors.Background.White
    border.width: 1 * UI.ppp
    border.color: Colors.Background.Light

    // Inside today's mark, so both show.
    FocusRing {
        offset: -3 * UI.ppp
        radius: 0
    }

    // Today stays marked whatever day is selected.
    Rectangle {
        objectName: "todayMark"
        anchors.fill: parent
        color: "transparent"
        border.width: 2 * UI.ppp
        border.color: Colors.Label.Blue
        visible: root.cell.isToday
    }

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
            font.bold: root.cell.isToday
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

            // Within the cell's margins at every scale: smaller where a narrow cell needs it,
            // never cut.
            Text {
                objectName: "voidTimes"
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 5 * UI.ppp
                width: parent.width - 2 * anchors.margins
                horizontalAlignment: Text.AlignRight
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: UI.fontSize(8 * UI.ppp)
                text: root.cell.voidZodiac < 0 ? ""
                      : UI.formatLocal(root.cell.voidStart, UI.formats.time) + " - "
                        + UI.formatLocal(root.cell.voidEnd, UI.formats.time)
                color: Colors.Label.Blue
                font.pixelSize: UI.fontSize(14 * UI.ppp)
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
    AreaTip {
        area: mouse
        text: root.tipText()
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
                            root.tipRequested(parent, root.markText(modelData))
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
