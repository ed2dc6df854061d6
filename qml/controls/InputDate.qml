import QtQuick 2.6
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// A labelled date field: the date can be typed, or picked from the month calendar that drops
// down from the box, with Today below it. The day is inputDate, a scene day (see UI.formatDay).
InputFrame {
    id: root

    property date inputDate: UI.localTime()
    // Shown instead of the date until a day is picked or typed; empty: the date from the start.
    property string initialText: ""
    // Now, for a date text that is no date and for Today. A test hands in a clock of its own.
    property var clock: function() { return UI.localTime() }
    property int dropdownItemHeight: 20 * UI.ppp
    // The scene's ModalOverlay, which closes the drop-down on a click elsewhere.
    property Item overlay: null

    readonly property bool calendarVisible: dropdown.visible

    // The date as the user's locale writes it; another language shows it anew.
    readonly property string dateFormat: UI.formats.date

    function openCalendar() {
        dropdown.open()
    }

    function closeCalendar() {
        dropdown.close()
    }

    // A date as dateFormat writes it; any text that is not such a date stands for now.
    function dateFromText(text) {
        var parsed = UI.parseDay(text, dateFormat)
        return isNaN(parsed.getTime()) ? clock() : parsed
    }

    function dateText(date) {
        return UI.formatDay(date, dateFormat)
    }

    // The picked date becomes the committed text and the text shown.
    function showDate() {
        inputText = dateText(inputDate)
        input.text = inputText
    }

    placeholderVisible: !input.activeFocus && input.text === ""
    // The text keeps clear of the caret, 8 from the box's edge, and 3 more.
    textRightMargin: caret.width + 11 * UI.ppp
    boxCursorShape: Qt.PointingHandCursor

    onBoxClicked: {
        dropdown.toggle()
        if (dropdown.visible)
            input.forceActiveFocus()
    }

    onEditFinished: {
        commit()
        releaseFocus()
        dropdown.close()
    }

    // Escape closes the calendar and takes back what was typed; Enter ends the edit as usual.
    onInputKey: {
        if (event.key === Qt.Key_Escape && (dropdown.visible || input.text !== inputText)) {
            input.text = inputText
            dropdown.close()
            event.accepted = true
        }
    }

    onInputDateChanged: showDate()
    onDateFormatChanged: showDate()
    onInputTextChanged: {
        var date = dateFromText(inputText)
        // Re-reading the text of the day shown would only move the moment to midnight.
        if (!UI.sameDay(date, inputDate)) {
            inputDate = date
            return
        }
        var shown = dateText(inputDate)
        input.text = shown
        if (inputText !== shown)
            inputText = shown
    }

    Component.onCompleted: {
        showDate()
        if (initialText !== "")
            input.text = initialText
    }

    Connections {
        target: root.input
        function onActiveFocusChanged() {
            if (root.input.activeFocus && !dropdown.visible)
                dropdown.open()
        }
    }

    Text {
        id: caret
        anchors.right: root.box.right
        anchors.rightMargin: 8 * UI.ppp
        anchors.verticalCenter: root.box.verticalCenter
        text: Icons.FontAwesome.CaretDown
        color: Colors.Label.Grey
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(18 * UI.ppp)
    }

    DropdownWindow {
        id: dropdown
        objectName: "dropdown"
        box: root.box
        overlay: root.overlay
        // The calendar and "Today" below it, unscrolled.
        maximumHeight: contentHeight + 2 * frameBorder
        itemHeight: root.dropdownItemHeight
        contentWidth: calendar.width
        contentHeight: calendar.height + root.dropdownItemHeight

        Item {
            width: dropdown.contentWidth
            height: dropdown.contentHeight

            Calendar {
                id: calendar
                width: 200 * UI.ppp
                // The weekday header's row above the six weeks.
                height: 168 * UI.ppp
                selectedDate: root.inputDate
                // The user's locale's weeks; the names, below, in the interface language.
                locale: Qt.locale(UI.localeName)
                frameVisible: false
                onClicked: {
                    root.inputDate = date
                    dropdown.close()
                }

                // A click sets the calendar's own date and so ends the binding above; a date
                // typed or chosen as "Today" afterwards still shows.
                Connections {
                    target: root
                    function onInputDateChanged() { calendar.selectedDate = root.inputDate }
                }

                style: CalendarStyle {
                    gridVisible: false
                    dayOfWeekDelegate: Rectangle {
                        implicitHeight: 18 * UI.ppp
                        color: Colors.Background.Lighter

                        Text {
                            objectName: "weekdayName"
                            anchors.centerIn: parent
                            text: Qt.locale(UI.namesLocaleName).dayName(styleData.dayOfWeek,
                                                                        Locale.ShortFormat)
                            color: Colors.Label.Grey
                            font.pixelSize: UI.fontSize(10 * UI.ppp)
                        }
                    }
                    // The stock bar's title does not fit 200 pixels; this one fits
                    // "September 2026".
                    navigationBar: Rectangle {
                        implicitHeight: 22 * UI.ppp
                        color: Colors.Background.Lighter

                        Text {
                            anchors.centerIn: parent
                            // The month in the interface language; the 15th keeps the day
                            // within the month on any zone's clock.
                            text: UI.monthTitle(new Date(control.visibleYear, control.visibleMonth,
                                                         15, 12),
                                                UI.namesLocaleName)
                            color: Colors.Label.Black
                            font.pixelSize: UI.fontSize(12 * UI.ppp)
                        }

                        Repeater {
                            model: [-1, 1]

                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                x: modelData < 0 ? 8 * UI.ppp : parent.width - width - 8 * UI.ppp
                                text: modelData < 0 ? Icons.FontAwesome.AngleLeft
                                                    : Icons.FontAwesome.AngleRight
                                color: Colors.Label.Grey
                                font.family: "FontAwesome"
                                font.pixelSize: UI.fontSize(18 * UI.ppp)

                                MouseArea {
                                    anchors.fill: parent
                                    anchors.margins: -4 * UI.ppp
                                    cursorShape: Qt.PointingHandCursor
                                    onClicked: modelData < 0 ? control.showPreviousMonth()
                                                             : control.showNextMonth()
                                }
                            }
                        }
                    }
                    dayDelegate: Rectangle {
                        readonly property bool isToday: UI.sameDay(styleData.date, UI.today)

                        objectName: isToday ? "todayCell" : ""
                        color: styleData.selected ? Colors.Background.LightSilver
                                                  : styleData.visibleMonth
                                                    ? Colors.Background.White
                                                    : Colors.Background.Lighter
                        border.width: isToday ? 1 * UI.ppp : 0
                        border.color: Colors.Label.Blue
                        Text {
                            anchors.centerIn: parent
                            text: UI.formatDay(styleData.date, "d")
                            color: styleData.visibleMonth ? Colors.Label.Black : Colors.Label.Grey
                            font.bold: parent.isToday
                            font.pixelSize: UI.fontSize(11 * UI.ppp)
                        }
                    }
                }
            }

            // The way back to today once another day is picked.
            DropdownOption {
                objectName: "today"
                anchors.top: calendar.bottom
                width: calendar.width
                height: root.dropdownItemHeight
                text: qsTr("Today")
                onClicked: {
                    root.inputDate = root.clock()
                    dropdown.close()
                }
            }
        }
    }
}
