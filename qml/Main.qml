import QtQuick 2.6
import QtGraphicalEffects 1.0
import Astro 1.0
import Geo 1.0
import Global 1.0
import UI 1.0
import "controls"
import "lunar"
import "pages"
import "scripts/Colors.js" as Colors
import "scripts/Places.js" as Places

// The root scene: the moon panel on the left, the pages and their switcher on the right, the
// overlay that closes drop-downs, the update dialog over everything, and the computation
// objects every page shares.
Rectangle {
    id: window

    property real ppp: UI.ppp

    // The zone times are shown and computed in, as the location service chooses it (the place's,
    // when the user asks for it): the window and the engine both follow it.
    readonly property string timeZone: Geo.timeZone
    readonly property Calculation calculation: Calculation {
        body: "moon"
        observerVector: Geo.location.vector
        zone: window.timeZone
    }
    readonly property CalendarModel calendarModel: CalendarModel {
        calculation: window.calculation
        // The user's locale's weeks; set before the first run, which asks for none itself.
        firstDayOfWeek: UI.firstDayOfWeek
        onFirstDayOfWeekChanged: {
            if (window.completed)
                refresh()
        }
    }
    readonly property SearchModel calendarSearchModel: SearchModel {
        calculation: window.calculation
    }

    property bool completed: false

    function showPanelDayInCalendar() {
        window.calendarModel.selectedDate = UI.dayOf(panel.dateTime)
        window.calendarModel.activeMonth = UI.dayOf(panel.dateTime)
    }

    // Without a browser to take the help, the address at least, to copy.
    function sayNoBrowser() {
        var text = qsTr("No web browser could be opened. The help is at\n%1")
        UI.showMessageBox(qsTr("Help"), text.arg(Global.helpUrl))
    }

    // Back to the present: the panel follows the clock again, and the grid shows today's month.
    function showToday() {
        panel.showNow()
        showPanelDayInCalendar()
    }

    // The calendar follows every move of the panel by the user. The clock's minute tick moves it
    // only when the day rolls over, and even then it keeps a month the user has browsed to.
    function followPanel() {
        if (!panel.clockTick) {
            showPanelDayInCalendar()
            return
        }
        var model = window.calendarModel
        var day = UI.dayOf(panel.dateTime)
        if (UI.sameDay(model.selectedDate, day))
            return
        var month = UI.dayOf(UI.fromDate(model.activeMonth))
        var browsed = !UI.sameMonth(model.activeMonth, model.selectedDate)
        // The grid turns to the selected day's month; turn it back.
        model.selectedDate = day
        model.activeMonth = browsed ? month : day
    }

    width: 1018 * UI.ppp
    height: 600 * UI.ppp
    color: Colors.Background.DarkMetal


    // Shows a page as its square in the strip does; the page, made if it was not yet.
    function showPage(index) {
        switcher.selectedIndex = index
        return pageLoaders.itemAt(index).item
    }

    function showHelp() {
        if (!Global.showHelp())
            window.sayNoBrowser()
    }

    // The keys of the window. A dialog that shows keeps them to itself (it disables the layout).
    Shortcut {
        sequence: "Ctrl+T"
        enabled: layout.enabled
        onActivated: window.showToday()
    }
    Shortcut {
        id: textsKey
        sequence: "Ctrl+1"
        enabled: layout.enabled
        onActivated: window.showPage(0)
    }
    Shortcut {
        id: calendarKey
        sequence: "Ctrl+2"
        enabled: layout.enabled
        onActivated: window.showPage(1)
    }
    Shortcut {
        id: settingsKey
        sequence: "Ctrl+3"
        enabled: layout.enabled
        onActivated: window.showPage(2)
    }
    // The strip's fourth square, information, is the help.
    Shortcut {
        id: helpKey
        sequence: StandardKey.HelpContents
        enabled: layout.enabled
        onActivated: window.showHelp()
    }
    Shortcut {
        sequence: "Ctrl+4"
        enabled: layout.enabled
        onActivated: window.showHelp()
    }
    Shortcut {
        sequence: StandardKey.Find
        enabled: layout.enabled
        onActivated: window.showPage(1).focusSearch()
    }
    Shortcut {
        id: exportShortcut
        sequence: "Ctrl+E"
        enabled: layout.enabled
        onActivated: {
            window.showPage(1)
            exportDialog.open()
        }
    }
    // Ends the program, even where closing the window only hides it in the tray.
    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: Companion.quit()
    }

    FontLoader { source: resourcePath + "fonts/fontawesome-webfont.ttf" }
    FontLoader { source: resourcePath + "fonts/pt-sans.ttf" }
    FontLoader { source: resourcePath + "fonts/pt-sans-bold.ttf" }
    FontLoader { source: resourcePath + "fonts/vendarion.ttf" }

    // The panel and the calendar show the same day: a move of either moves the other.
    Connections {
        target: panel
        function onDateTimeChanged() { window.followPanel() }
        // The calendar's month starts out as today itself, not the first of the month, and the
        // panel's first moment is no change that would set it: set it once the first ephemeris
        // is shown. Not sooner, because setting the month starts a calendar run, which on two
        // cores would hold the first ephemeris back by a third.
        function onReadyChanged() { window.showPanelDayInCalendar() }
    }
    Connections {
        target: window.calendarModel
        function onSelectedDateChanged() {
            panel.dateTime = UI.dateTimeOnDay(panel.dateTime, window.calendarModel.selectedDate)
        }
    }
    Binding {
        target: UI
        property: "timeZone"
        value: window.timeZone
    }
    // Another zone moves every day's start: both compute again.
    Connections {
        target: window.calculation
        function onZoneChanged() {
            if (!window.completed)
                return
            window.calendarModel.refresh()
            panel.refresh()
        }
    }
    // Another place: both compute again. Binding the first place at start-up is not a move.
    Connections {
        target: window.calculation
        function onObserverVectorChanged() {
            if (!window.completed)
                return
            window.calendarModel.refresh()
            panel.refresh()
        }
    }

    Item {
        id: layout
        anchors.fill: parent
        anchors.margins: Math.round(20 * UI.ppp)

        // Each column casts a soft shadow: a glow computed for its rectangle in one pass, not a
        // blur of the window (which held the first frame back by some 50 ms where a software
        // renderer draws it). A pixel inside the column, so that its solid middle never shows
        // where a fractional scale leaves the column a pixel short.
        Repeater {
            model: [panel, pageArea]

            RectangularGlow {
                x: modelData.x + 1
                y: modelData.y + 1
                width: modelData.width - 2
                height: modelData.height - 2
                glowRadius: 12 * UI.ppp
                spread: 0
                cornerRadius: glowRadius
                color: Colors.Background.Shadow
            }
        }

        LunarPanel {
            id: panel
            width: 294 * UI.ppp
            height: parent.height
            calculation: window.calculation
            placeName: Places.panelName(Geo.location, Qt.locale(UI.localeName).decimalPoint)
        }

        Rectangle {
            id: pageArea
            x: panel.width + 20 * UI.ppp
            width: parent.width - x
            height: parent.height
            color: Colors.Background.LightSilver

            Item {
                id: pageView
                objectName: "pageView"

                readonly property int currentIndex: switcher.selectedIndex

                anchors.left: parent.left
                anchors.right: switcher.left
                anchors.top: parent.top
                anchors.bottom: parent.bottom

                onCurrentIndexChanged: fade.restart()

                NumberAnimation {
                    id: fade
                    target: pageView
                    property: "opacity"
                    from: 0.0
                    to: 1.0
                    duration: 200
                    easing.type: Easing.InOutQuad
                }

                Repeater {
                    id: pageLoaders
                    model: [textsPage, calendarPage, settingsPage, infoPage]

                    // Each page is made the first time it is shown and kept from then on.
                    Loader {
                        anchors.fill: parent
                        visible: index === pageView.currentIndex
                        active: false
                        sourceComponent: modelData
                        onVisibleChanged: {
                            if (visible)
                                active = true
                        }
                        Component.onCompleted: {
                            if (visible)
                                active = true
                        }
                    }
                }
            }

            PageSwitcher {
                id: switcher
                anchors.right: parent.right
                width: 50 * UI.ppp
                height: parent.height
                selectedIndex: 0
                keys: [textsKey.nativeText, calendarKey.nativeText, settingsKey.nativeText,
                       helpKey.nativeText]
                onHelpClicked: window.showHelp()
            }
        }
    }

    Component {
        id: textsPage
        // Until the first result the panel holds an empty ephemeris; the page's own stand-in
        // values read better than its zeros.
        TextsPage {
            entry: panel.ready ? panel.entry : null
        }
    }
    Component {
        id: calendarPage
        CalendarPage {
            calendarModel: window.calendarModel
            searchModel: window.calendarSearchModel
            overlay: modalOverlay
            exportKey: exportShortcut.nativeText
            onDateTimeSelected: panel.dateTime = value
            onExportRequested: exportDialog.open()
            onPrintRequested: printDialog.open()
            onTodayRequested: window.showToday()
        }
    }
    Component {
        id: settingsPage
        SettingsPage {
            overlay: modalOverlay
            onRemindersRequested: remindersDialog.open()
        }
    }
    Component {
        id: infoPage
        InfoPage {}
    }

    // Under the drop-downs' overlay that its fields use. The dialogs are made when they are first
    // needed, by file name, so that not even their imports cost the start.
    Loader {
        id: exportDialog

        function open() {
            active = true
            item.open()
        }

        // Over the page area, centred there: the moon panel stays in view beside it.
        x: layout.x + pageArea.x
        y: layout.y + pageArea.y
        width: pageArea.width
        height: pageArea.height
        z: 998
        active: false
        source: "dialogs/ExportDialog.qml"
        onLoaded: {
            item.objectName = "exportDialog"
            item.blocked = layout
            item.calculation = window.calculation
            item.shownMonth = Qt.binding(function() {
                return UI.fromDate(window.calendarModel.activeMonth)
            })
            item.overlay = modalOverlay
        }
    }

    Loader {
        id: printDialog

        function open() {
            active = true
            item.open()
        }

        anchors.fill: parent
        z: 998
        active: false
        source: "dialogs/PrintDialog.qml"
        onLoaded: {
            item.objectName = "printDialog"
            item.blocked = layout
            item.calendarModel = window.calendarModel
            item.overlay = modalOverlay
        }
    }

    Loader {
        id: remindersDialog

        function open() {
            active = true
            item.open()
        }

        anchors.fill: parent
        z: 998
        active: false
        source: "dialogs/RemindersDialog.qml"
        onLoaded: {
            item.objectName = "remindersDialog"
            item.blocked = layout
            item.overlay = modalOverlay
        }
    }

    // A click on a reminder or on an event of the tray's menu shows that moment; the tray's
    // "Reminders..." opens their dialog.
    Connections {
        target: Companion
        function onMomentRequested(moment) { panel.dateTime = moment }
        function onRemindersRequested() { remindersDialog.open() }
    }

    ModalOverlay {
        id: modalOverlay
        anchors.fill: parent
        z: 999
    }

    Loader {
        id: updateDialog
        anchors.fill: parent
        z: 1000
        active: false
        source: "dialogs/UpdateDialog.qml"
    }
    // The check of the day, once the scene is up; the dialog is made for the first offer.
    Component.onCompleted: {
        completed = true
        Global.checkForUpdates()
    }
    Connections {
        target: Global
        // The desktop's helper found no browser after all.
        function onUrlNotOpened(url) {
            if (url === Global.helpUrl)
                window.sayNoBrowser()
        }
        function onUpdateAvailable(current, latest) {
            if (updateDialog.active)
                return
            updateDialog.active = true
            updateDialog.item.blocked = layout
            updateDialog.item.offer(current, latest)
        }
    }
}
