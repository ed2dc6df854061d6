import QtQuick 2.6
import Astro 1.0
import UI 1.0
import "../calendar"
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// The month grid over the shared calendar model, in two views, and below it the date search
// with its result list. Choosing a day, a void interval or a result moves the moon panel
// through the model's selected date (or dateTimeSelected, for the start of a void interval).
Rectangle {
    id: root

    property var calendarModel: null
    property var searchModel: null
    // The scene's ModalOverlay, handed to the drop-downs.
    property Item overlay: null
    // 0 Daily, 1 Void Course.
    property int selectedTab: 0
    // The month switcher starts out on today: until the page is complete, that is no choice of
    // the user's to move the model's month by.
    property bool completed: false

    // The export's key, said in its tip (the window holds the shortcut).
    property string exportKey: "Ctrl+E"

    signal dateTimeSelected(date value)
    // The user asks to export the calendar to a file.
    signal exportRequested()
    // The user asks to print the months (Ctrl+P).
    signal printRequested()
    // The user asks for today: the panel and the grid go back to the present.
    signal todayRequested()

    function selectDay(cell) {
        if (selectedTab === 1 && cell.voidZodiac >= 0)
            dateTimeSelected(cell.voidStart)
        else
            calendarModel.selectedDate = UI.dayOf(cell.date)
        calendarModel.activeMonth = UI.dayOf(cell.date)
        grid.forceActiveFocus()
    }

    function startSearch(request) {
        resultList.clear()
        if (request.eclipses)
            searchModel.searchEclipses(UI.fromDay(request.from), request.results)
        else
            searchModel.search(UI.fromDay(request.from), request.lunarDay, request.zodiac,
                               request.results)
        searchForm.searchCount += request.results
    }

    // Ctrl+F: the keyboard goes to the search form's first field.
    function focusSearch() {
        var first = Util.firstControlIn(searchForm)
        if (first)
            first.forceActiveFocus()
    }

    function showActiveMonth() {
        monthSwitcher.selectedDate = UI.fromDate(calendarModel.activeMonth)
    }

    color: "transparent"

    Component.onCompleted: {
        if (calendarModel)
            showActiveMonth()
        completed = true
        if (calendarModel)
            calendarModel.refresh()
    }

    Rectangle {
        id: header
        width: parent.width
        height: 60 * UI.ppp
        color: Colors.Background.White

        TabSwitcher {
            x: 35 * UI.ppp
            // Up to the month's arrow.
            width: monthSwitcher.x + monthSwitcher.contentLeft - x - 15 * UI.ppp
            height: parent.height
            spacing: 40 * UI.ppp
            //: The two views of the month: signs and lunar days per day; void-of-course times.
            names: [qsTr("Daily"), qsTr("Void Course")]
            selectedIndex: root.selectedTab
            onSelectedIndexChanged: root.selectedTab = selectedIndex
        }

        CalendarMonthSwitcher {
            id: monthSwitcher
            objectName: "monthSwitcher"
            anchors.right: todayButton.left
            anchors.rightMargin: 5 * UI.ppp
            width: implicitWidth
            height: parent.height
            onSelectedDateChanged: {
                if (root.calendarModel && root.completed)
                    root.calendarModel.activeMonth = UI.dayOf(selectedDate)
            }
        }

        ActionButton {
            id: todayButton
            objectName: "todayButton"
            anchors.right: printAction.left
            anchors.rightMargin: 15 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Today")
            //: Tooltip of the Today button; Ctrl+T is its key.
            tip: qsTr("Back to today and the present moment (Ctrl+T)")
            onClicked: root.todayRequested()
        }

        // The months on paper or as a PDF file.
        Text {
            id: printAction
            objectName: "printAction"
            anchors.right: parent.right
            anchors.rightMargin: 18 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            text: Icons.FontAwesome.Print
            color: printMouse.containsMouse ? Colors.Label.Hovered : Colors.Label.Light
            font.family: "FontAwesome"
            font.pixelSize: UI.fontSize(20 * UI.ppp)

            MouseArea {
                id: printMouse
                anchors.fill: parent
                anchors.margins: -8 * UI.ppp
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.printRequested()
            }
            AreaTip {
                area: printMouse
                text: printTarget.name + " (" + printKey.nativeText + ")"
            }
            FocusTarget {
                id: printTarget
                anchors.fill: parent
                anchors.margins: -4 * UI.ppp
                //: The print glyph of the calendar page, as a screen reader names it.
                name: qsTr("Print")
                description: printKey.nativeText
                onActivated: root.printRequested()
            }
        }
    }

    Shortcut {
        id: printKey
        sequence: StandardKey.Print
        enabled: root.visible
        onActivated: root.printRequested()
    }

    Connections {
        target: root.calendarModel
        function onActiveMonthChanged() {
            root.showActiveMonth()
            // The glyph it told of may be gone with the month.
            tip.hide()
        }
    }
    // The month's first day starts at another instant on another zone's clock.
    Connections {
        target: UI
        function onTimeZoneChanged() {
            if (root.calendarModel)
                root.showActiveMonth()
        }
    }

    // The short day names over the grid's columns, in the gap above it, from the weekday the
    // model's weeks start on, in the interface language. Locale numbers the days from Sunday, 0.
    Row {
        objectName: "weekdays"
        anchors.bottom: grid.top
        anchors.bottomMargin: 2 * UI.ppp

        Repeater {
            model: 7

            Text {
                readonly property int firstDay: root.calendarModel ? root.calendarModel.firstDayOfWeek : 1

                width: grid.width / 7
                horizontalAlignment: Text.AlignHCenter
                text: Qt.locale(UI.namesLocaleName).dayName((firstDay + index) % 7,
                                                            Locale.ShortFormat)
                color: Colors.Label.Light
                font.family: "PT Sans"
                font.pixelSize: UI.fontSize(13 * UI.ppp)
            }
        }
    }

    CalendarView {
        id: grid
        objectName: "calendarView"
        anchors.top: header.bottom
        anchors.topMargin: 20 * UI.ppp
        width: parent.width
        // Below it the search form's five fields and its buttons.
        height: parent.height - header.height - 220 * UI.ppp
        model: root.calendarModel
        focus: true
        title: monthSwitcher.title
        onTodayRequested: root.todayRequested()
        dayItem: CalendarDay {
            cell: parent ? parent.cell : null
            selectedTab: root.selectedTab
            onClicked: root.selectDay(cell)
            onTipRequested: tip.show(item, 0, 0, text)
            onTipHidden: tip.hide()
        }
    }

    HoverTip {
        id: tip
        objectName: "markTip"
    }

    Item {
        id: searchArea
        anchors.top: grid.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 15 * UI.ppp
        anchors.topMargin: 15 * UI.ppp

        CalendarSearchForm {
            id: searchForm
            objectName: "searchForm"
            model: root.searchModel
            overlay: root.overlay
            onSearch: root.startSearch(request)
        }

        // Beside the search button: the month's events, or any days', into the user's own
        // calendar program.
        ActionButton {
            id: exportAction
            objectName: "exportAction"
            x: searchForm.x + searchForm.buttonArea.x + searchForm.buttonArea.width + 12 * UI.ppp
            y: searchForm.y + searchForm.buttonArea.y
            height: searchForm.buttonArea.height
            text: qsTr("Export...")
            glyph: Icons.FontAwesome.Calendar
            //: Tooltip of the export button.
            tip: qsTr("Save the Moon's events as a calendar file") + " (" + root.exportKey + ")"
            onClicked: root.exportRequested()
        }
    }

    // Right of the form and its buttons, however long another language makes them.
    CalendarResultList {
        id: resultList
        objectName: "resultList"
        anchors.top: grid.bottom
        anchors.bottom: parent.bottom
        x: searchArea.x + Math.max(searchForm.width, exportAction.x + exportAction.width)
           + 15 * UI.ppp
        width: parent.width - x
        rowWidth: width - 15 * UI.ppp - (scrollbarVisible ? thickness : 0)
        onResultClicked: root.calendarModel.selectedDate = UI.dayOf(date)
        // An eclipse shows its greatest moment.
        onMomentClicked: root.dateTimeSelected(time)
    }

    // In the list's top margin, over its right end: clear of the form in every language.
    Text {
        objectName: "clearResults"
        x: resultList.x + resultList.rowWidth - width
        y: resultList.y - 2 * UI.ppp
        visible: resultList.lastIndex >= 0
        text: Icons.FontAwesome.Times
        color: Colors.Label.Grey
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(18 * UI.ppp)

        MouseArea {
            id: clearMouse
            anchors.fill: parent
            anchors.margins: -4 * UI.ppp
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: resultList.clear()
        }
        AreaTip {
            area: clearMouse
            text: qsTr("Clear the results")
        }
        FocusTarget {
            anchors.fill: parent
            name: qsTr("Clear the results")
            onActivated: resultList.clear()
        }
    }

    // The end of a search, told to a screen reader: the user waited for it, but not here.
    Announcer {
        id: announcer
        objectName: "announcer"
    }
    Connections {
        target: searchForm
        function onIsSearchingChanged() {
            if (!searchForm.isSearching)
                //: Told to a screen reader when a search has ended; %1 the number of dates found.
                announcer.say(qsTr("Search finished, dates found: %1").arg(resultList.lastIndex + 1))
        }
    }

    Connections {
        target: root.searchModel
        // Each answer is listed before it is counted, so the end of the search finds it there.
        function onSearchResult(entry, timeout) {
            // A search that began before a change of place or zone found days for the one before.
            var calculation = root.searchModel.calculation
            if (!timeout && (!calculation || calculation.isCurrent(entry)))
                resultList.add(entry)
            searchForm.searchCount = Math.max(0, searchForm.searchCount - 1)
        }
        function onEclipseFound(eclipse) {
            var calculation = root.searchModel.calculation
            if (!calculation || calculation.isCurrentSky(eclipse.observer, eclipse.zone))
                resultList.addEclipse(eclipse)
            searchForm.searchCount = Math.max(0, searchForm.searchCount - 1)
        }
        // The end of the data years answers the rest of the count.
        function onSearchFinished(unanswered) {
            searchForm.searchCount = Math.max(0, searchForm.searchCount - unanswered)
        }
    }
    // Days found for another place or zone are not that day here: the list goes with them.
    Connections {
        target: UI
        function onTimeZoneChanged() { resultList.clear() }
    }
    Connections {
        target: root.searchModel ? root.searchModel.calculation : null
        ignoreUnknownSignals: true
        function onObserverVectorChanged() { resultList.clear() }
    }
}
