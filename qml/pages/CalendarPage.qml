import QtQuick 2.6
import Astro 1.0
import UI 1.0
import "../calendar"
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

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

    signal dateTimeSelected(date value)
    // The user asks to export the calendar to a file.
    signal exportRequested()

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
            anchors.right: parent.right
            width: 340 * UI.ppp
            height: parent.height
            onSelectedDateChanged: {
                if (root.calendarModel && root.completed)
                    root.calendarModel.activeMonth = UI.dayOf(selectedDate)
            }
        }
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

    // The short day names over the grid's columns, in the gap above it. The model's weeks
    // start on Monday; Locale numbers the days from Sunday, 0.
    Row {
        anchors.bottom: grid.top
        anchors.bottomMargin: 2 * UI.ppp

        Repeater {
            model: [1, 2, 3, 4, 5, 6, 0]

            Text {
                width: grid.width / 7
                horizontalAlignment: Text.AlignHCenter
                text: Qt.locale(UI.localeName).dayName(modelData, Locale.ShortFormat)
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
        Rectangle {
            id: exportAction
            objectName: "exportAction"
            x: searchForm.x + searchForm.buttonArea.x + searchForm.buttonArea.width + 12 * UI.ppp
            y: searchForm.y + searchForm.buttonArea.y
            width: exportRow.width + 20 * UI.ppp
            height: searchForm.buttonArea.height
            radius: 6 * UI.ppp
            color: exportMouse.containsMouse ? Colors.Background.DarkMetal : Colors.Button.Metal

            Row {
                id: exportRow
                anchors.centerIn: parent
                spacing: 8 * UI.ppp

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Export...")
                    color: Colors.Label.White
                    font.pixelSize: UI.fontSize(16 * UI.ppp)
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: Icons.FontAwesome.Calendar
                    color: Colors.Label.White
                    font.family: "FontAwesome"
                    font.pixelSize: UI.fontSize(16 * UI.ppp)
                }
            }

            MouseArea {
                id: exportMouse
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.exportRequested()
            }
        }

        Text {
            anchors.top: parent.top
            anchors.topMargin: -2 * UI.ppp
            x: resultList.x - searchArea.x - 18 * UI.ppp
            visible: resultList.lastIndex >= 0
            text: Icons.FontAwesome.Times
            color: Colors.Label.Grey
            font.family: "FontAwesome"
            font.pixelSize: UI.fontSize(18 * UI.ppp)

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: resultList.clear()
            }
        }
    }

    CalendarResultList {
        id: resultList
        objectName: "resultList"
        anchors.top: grid.bottom
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        width: rowWidth + 15 * UI.ppp + (scrollbarVisible ? thickness : 0)
        onResultClicked: root.calendarModel.selectedDate = UI.dayOf(date)
        // An eclipse shows its greatest moment.
        onMomentClicked: root.dateTimeSelected(time)
    }

    Connections {
        target: root.searchModel
        function onSearchResult(entry, timeout) {
            searchForm.searchCount = Math.max(0, searchForm.searchCount - 1)
            // A search that began before a change of place or zone found days for the one before.
            var calculation = root.searchModel.calculation
            if (!timeout && (!calculation || calculation.isCurrent(entry)))
                resultList.add(entry)
        }
        function onEclipseFound(eclipse) {
            searchForm.searchCount = Math.max(0, searchForm.searchCount - 1)
            var calculation = root.searchModel.calculation
            if (!calculation || calculation.isCurrentSky(eclipse.observer, eclipse.zone))
                resultList.addEclipse(eclipse)
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
