import QtQuick 2.6
import UI 1.0

// The six-week month grid over the calendar model. Each cell keeps a record of its day that
// the dayItem component reads through `cell`; entry i of the model feeds cell i, so the model
// decides the week start. With the keyboard focus, the arrows, Home, End, Page Up and Page Down
// move the model's selected date.
FocusScope {
    id: root

    property int weeksPerMonth: 6
    property int daysPerWeek: 7
    property var model: null
    // Drawn behind the cells; transparent unless given.
    property Component backgroundItem: null
    // Drawn in each cell; sees `cell` (the record below) and `grid` (this view).
    property Component dayItem: null

    readonly property int cellCount: weeksPerMonth * daysPerWeek
    // The latest run the grid has heard of, and how many cells hold their day of it.
    property var filledVersion: 0
    property int filledCount: 0

    function selectedDay() {
        return UI.fromDate(model.selectedDate)
    }

    // The day a key moves the selection to, or null for keys the grid leaves alone.
    function dayForKey(key, day) {
        switch (key) {
        case Qt.Key_Left: return UI.addDays(day, -1)
        case Qt.Key_Right: return UI.addDays(day, 1)
        case Qt.Key_Up: return UI.addDays(day, -7)
        case Qt.Key_Down: return UI.addDays(day, 7)
        case Qt.Key_Home: return UI.firstOfMonth(day)
        case Qt.Key_End: return UI.addDays(UI.addMonths(UI.firstOfMonth(day), 1), -1)
        // The same day number, cut to the length of the month it lands in.
        case Qt.Key_PageUp: return UI.addMonths(day, -1)
        case Qt.Key_PageDown: return UI.addMonths(day, 1)
        default: return null
        }
    }

    // Only entries of the model's latest run for the place and zone set now are taken: a run
    // that a newer one superseded, or one for the place or zone before, is left for the newer
    // run to refill.
    function receive(index, entry) {
        var cell = cells.itemAt(index)
        var version = entry.version
        if (!cell || !model.isCurrent(entry))
            return
        var first = entry.first
        var second = entry.second
        var time = first.time
        cell.date = time
        cell.day = UI.dayOf(time)
        cell.firstLunarDay = first.lunarDay
        cell.secondLunarDay = second.lunarDay
        cell.firstZodiac = first.zodiac
        cell.secondZodiac = second.zodiac
        cell.voidStart = first.voidStart
        cell.voidEnd = first.voidEnd
        cell.voidZodiac = first.voidZodiac
        cell.marks = entry.marks
        cell.isMonthVisible = UI.sameMonth(cell.day, model.activeMonth)
        cell.received = true
        if (version > 0)
            count(cell, version)
    }

    // Keeps filledCount the number of cells that hold their day of filledVersion, one cell at
    // a time. No cell holds a version newer than filledVersion, so the first cell of a newer
    // run is the only one of it.
    function count(cell, version) {
        var counted = cell.version === version
        cell.version = version
        if (version > filledVersion) {
            filledVersion = version
            filledCount = 1
        } else if (version === filledVersion && !counted) {
            ++filledCount
        }
    }

    Keys.onPressed: {
        if (!model)
            return
        var day = dayForKey(event.key, selectedDay())
        if (!day)
            return
        model.selectedDate = UI.dayOf(day)
        event.accepted = true
    }

    Connections {
        target: root.model
        function onEntryChanged(index, entry) { root.receive(index, entry) }
        function onSelectedDateChanged() { root.model.activeMonth = UI.dayOf(root.selectedDay()) }
    }

    Loader {
        anchors.fill: parent
        sourceComponent: root.backgroundItem
    }

    Repeater {
        id: cells
        objectName: "cells"
        model: root.cellCount

        Item {
            id: cell

            // The record the day item reads.
            readonly property int dayIndex: index
            property date date: UI.localTime()
            // Its calendar day, as the model's dates are compared with.
            property date day: UI.localTime()
            readonly property bool isSelected: received && root.model !== null
                                               && UI.sameDay(day, root.model.selectedDate)
            property bool isMonthVisible: false
            property int firstLunarDay: 1
            property int secondLunarDay: 1
            property int firstZodiac: 1
            property int secondZodiac: 1
            property date voidStart: UI.localTime()
            property date voidEnd: UI.localTime()
            property int voidZodiac: -1
            // The great days on it (CalendarEntry.marks).
            property var marks: []
            property bool received: false
            property int version: 0

            x: (index % root.daysPerWeek) * width
            y: Math.floor(index / root.daysPerWeek) * height
            width: root.width / root.daysPerWeek
            height: root.height / root.weeksPerMonth

            Loader {
                // The day item resolves these names on its Loader.
                readonly property Item cell: cell
                readonly property Item grid: root
                anchors.fill: parent
                sourceComponent: root.dayItem
            }
        }
    }
}
