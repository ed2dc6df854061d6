import QtQuick 2.6
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// A labelled choice among options from a drop-down list; with isDate, a date field whose
// drop-down is a month calendar and whose text can be typed.
InputFrame {
    id: root

    property var options: []
    property int selectedIndex: -1
    property int defaultIndex: 0
    property bool isDate: false
    property date inputDate: UI.localTime()
    // Now, for a date text that is no date and for Today. A test hands in a clock of its own.
    property var clock: function() { return UI.localTime() }
    property int dropdownMaximumHeight: 160 * UI.ppp
    property int dropdownItemHeight: 20 * UI.ppp
    // The scene's ModalOverlay, which closes the drop-down on a click elsewhere.
    property Item overlay: null

    readonly property alias dropdown: dropdown
    readonly property int optionCount: options ? options.length : 0

    signal optionSelected(int index)

    // The text input shows the chosen option; nothing when none is chosen.
    function showSelected() {
        if (options && selectedIndex >= 0 && selectedIndex < options.length)
            input.text = options[selectedIndex]
        else if (!isDate)
            input.text = ""
    }

    function choose(index) {
        optionSelected(index)
        selectedIndex = index
        dropdown.close()
    }

    // The date as the user's locale writes it; another language shows it anew.
    readonly property string dateFormat: UI.formats.date

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

    placeholderVisible: selectedIndex === -1 && !input.activeFocus && input.text === ""
    // The text keeps clear of the caret, 8 from the box's edge, and 3 more.
    textRightMargin: caret.width + 11 * UI.ppp
    boxCursorShape: Qt.PointingHandCursor
    input.enabled: isDate

    onBoxClicked: {
        dropdown.toggle()
        if (isDate && dropdown.visible)
            input.forceActiveFocus()
    }

    onOptionsChanged: {
        // Counted here: the optionCount binding may not have caught up yet.
        var count = options ? options.length : 0
        // A valid default, or the first option: a stored index may outlive its list.
        if (selectedIndex < 0 || selectedIndex >= count) {
            if (count === 0)
                selectedIndex = -1
            else
                selectedIndex = defaultIndex >= 0 && defaultIndex < count ? defaultIndex : 0
        }
        // The index may be the same while the text under it changed.
        showSelected()
    }
    onSelectedIndexChanged: showSelected()

    onEditFinished: {
        if (!isDate)
            return
        commit()
        input.focus = false
        dropdown.close()
    }

    onInputDateChanged: {
        if (isDate)
            showDate()
    }
    onDateFormatChanged: {
        if (isDate)
            showDate()
    }
    onInputTextChanged: {
        if (!isDate)
            return
        var date = dateFromText(inputText)
        var shown = dateText(inputDate)
        // Re-reading the text of the day shown would only move the moment to midnight.
        if (dateText(date) !== shown) {
            inputDate = date
            return
        }
        input.text = shown
        if (inputText !== shown)
            inputText = shown
    }

    Component.onCompleted: {
        if (isDate)
            showDate()
        showSelected()
    }

    Connections {
        target: root.input
        function onActiveFocusChanged() {
            if (root.isDate && root.input.activeFocus && !root.dropdown.visible)
                root.dropdown.open()
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
        box: root.box
        overlay: root.overlay
        // The calendar and "Today" below it, unscrolled.
        maximumHeight: root.isDate ? contentHeight + 2 * frameBorder : root.dropdownMaximumHeight
        itemHeight: root.dropdownItemHeight
        contentWidth: root.isDate ? calendarLoader.width : root.box.width - 2 * frameBorder
        contentHeight: root.isDate ? calendarLoader.height + root.dropdownItemHeight
                                   : root.optionCount * root.dropdownItemHeight

        Item {
            width: dropdown.contentWidth
            height: dropdown.contentHeight

            Column {
                id: optionList
                visible: !root.isDate
                width: root.box.width - 2 * dropdown.frameBorder

                Repeater {
                    model: root.isDate ? 0 : root.optionCount

                    DropdownOption {
                        width: optionList.width
                        height: root.dropdownItemHeight
                        text: root.options[index]
                        onClicked: root.choose(index)
                    }
                }
            }

            Loader {
                id: calendarLoader
                width: 200 * UI.ppp
                height: 150 * UI.ppp
                active: root.isDate
                sourceComponent: monthCalendar
            }

            // The way back to today once another day is picked.
            DropdownOption {
                objectName: "today"
                anchors.top: calendarLoader.bottom
                width: calendarLoader.width
                height: root.dropdownItemHeight
                visible: root.isDate
                text: qsTr("Today")
                onClicked: {
                    root.inputDate = root.clock()
                    root.dropdown.close()
                }
            }
        }
    }

    Component {
        id: monthCalendar

        Calendar {
            id: calendar
            selectedDate: root.inputDate
            locale: Qt.locale(UI.localeName)
            frameVisible: false
            onClicked: {
                root.inputDate = date
                root.dropdown.close()
            }

            // A click sets the calendar's own date and so ends the binding above; a date typed
            // or chosen as "Today" afterwards still shows.
            Connections {
                target: root
                function onInputDateChanged() { calendar.selectedDate = root.inputDate }
            }

            style: CalendarStyle {
                gridVisible: false
                dayOfWeekDelegate: Item {}
                // The stock bar's title does not fit 200 pixels; this one fits "September 2026".
                navigationBar: Rectangle {
                    implicitHeight: 22 * UI.ppp
                    color: Colors.Background.Lighter

                    Text {
                        anchors.centerIn: parent
                        text: styleData.title
                        color: "black"
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
                    color: styleData.selected ? Colors.Background.LightSilver
                                              : styleData.visibleMonth ? "white"
                                                                       : Colors.Background.Lighter
                    Text {
                        anchors.centerIn: parent
                        text: UI.formatDay(styleData.date, "d")
                        color: styleData.visibleMonth ? "black" : Colors.Label.Grey
                        font.pixelSize: UI.fontSize(11 * UI.ppp)
                    }
                }
            }
        }
    }
}
