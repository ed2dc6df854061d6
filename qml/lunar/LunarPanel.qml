import QtQuick 2.6
import QtGraphicalEffects 1.0
import Astro 1.0
import UI 1.0
import "../controls"
import "../scripts/Colors.js" as Colors
import "../scripts/Events.js" as Events
import "../scripts/Lunar.js" as Lunar
import "../scripts/Util.js" as Util

// The dark column on the left: the Moon at the moment `dateTime`, as the shared calculation
// computes it, and at its foot the editor that moves the moment.
Rectangle {
    id: root

    // The shared Calculation (anything with fullEphemeris() and its two signals will do).
    property var calculation: null
    // The ephemeris shown. Held as a JavaScript value on purpose: the delivered ephemerides
    // belong to the engine's garbage collector, and this reference is what keeps the one shown
    // alive; replacing it lets the collector free the previous one.
    property var entry: emptyEntry
    // Starts at the present minute, where the editor's Now switch puts it on completion, so
    // that completion asks for one ephemeris, not for two.
    property date dateTime: Util.startOfMinute(UI.localTime())
    property real padding: 18 * UI.ppp
    // The moon picture gives up what the column lacks of room, down to the smallest size; a
    // taller window shows it whole.
    readonly property real largestMoon: 174 * UI.ppp
    readonly property real smallestMoon: 140 * UI.ppp
    readonly property real moonRoom: (zoneLine.visible ? zoneLine.y : placeLine.y) - column.y
                                     - 4 * UI.ppp - column.heightBesideMoon
    property size primaryMoonSize: {
        var side = Math.max(smallestMoon, Math.min(largestMoon, moonRoom))
        return Qt.size(side, side)
    }

    // What lies ahead of the moment (Calculation.outlookCalculated's map): shown under the sign.
    property var outlook: ({})
    // The outlook last asked for, and for which moment; only its answer is taken.
    property int outlookRequest: -1
    property date outlookTime: new Date(NaN)

    // The observer's latitude, which way up the Moon is seen; and the picture's turn: for the
    // hemisphere, or, with the option "Moon as in the sky now", as the Moon stands at the moment.
    readonly property real latitude: calculation && calculation.observerVector
                                     ? calculation.observerVector.y : 0
    readonly property real moonTurn: Astro.pictureTurn(entry.phase, latitude,
                                                       entry.brightLimbAngle,
                                                       ready && UI.moonAsInSky)
    readonly property real glyphTurn: Astro.pictureTurn(0.5, latitude, 0, false)

    // True while dateTime moves with the clock's tick rather than by the user's hand.
    readonly property bool clockTick: editor.ticking
    // The last request was the clock's tick, not the user's.
    property bool quietRequest: false
    // Where the times are for, shown in a small line above the editor.
    property string placeName: ""

    // A computation is under way: the centre texts give way to the spinner.
    property bool busy: true
    // The first ephemeris has arrived; until then the empty one has nothing worth showing.
    property bool ready: false

    property bool completed: false

    function refresh() {
        // Another place or zone: the outlook is asked for again with the ephemeris.
        outlookTime = new Date(NaN)
        request(dateTime)
    }

    // The present moment, following the clock from now on.
    function showNow() {
        if (editor.now)
            editor.followClock()
        else
            editor.now = true
    }

    // The outlook follows the moment shown. While the clock moves it, once every ten minutes
    // is enough (the Moon's distance changes by a few kilometres meanwhile), unless an event it
    // names has come.
    function outlookDue(time) {
        if (!clockTick || isNaN(outlookTime.getTime())
                || time.getTime() - outlookTime.getTime() >= 10 * 60 * 1000)
            return true
        var events = [outlook.perigee, outlook.apogee, outlook.eclipse]
        for (var i = 0; i < events.length; ++i) {
            var end = events[i] ? (events[i].end || events[i].time) : null
            if (end && time.getTime() > end.getTime())
                return true
        }
        return false
    }

    function requestOutlook(time) {
        if (!calculation || !calculation.outlook || !outlookDue(time))
            return
        outlookTime = time
        outlookRequest = calculation.outlook(time)
    }

    function request(time) {
        if (!calculation || isNaN(time.getTime()))
            return
        quietRequest = clockTick
        calculation.fullEphemeris(time)
    }

    // Results arrive in the order their workers finish, not in the order they were asked for:
    // after a few quick steps or a change of place or zone an older request can come in last.
    // Only the moment shown now, for the place and zone set now, is taken; the others are left
    // to the collector.
    function accept(ephe) {
        if (!ephe || !ephe.time || ephe.time.getTime() !== dateTime.getTime()
                || !calculation.isCurrent(ephe))
            return
        // A mark in the log for whoever waits for the window to be of use (the package test).
        if (!ready)
            console.log("first ephemeris shown: " + UI.formatDateTime(ephe.time, "yyyy-MM-dd hh:mm"))
        entry = ephe
        ready = true
        busy = false
        // After the ephemeris is on the screen, not beside it: the searches would compete with
        // the drawing of its frame for the two cores.
        outlookDelay.restart()
    }

    // "12° 30' of Leo ♌", then the element day, and the void-of-course note while it lasts.
    function signText(e) {
        var sign = Lunar.zodiac(e.zodiac)
        if (!sign)
            return ""
        var text = qsTranslate("Lunar", sign.position).arg(UI.formatDegrees(e.zodiacDegrees))
                + " " + sign.icon + "<br>" + qsTranslate("Lunar", sign.day)
        if (e.isVoC)
            //: The Moon is void of course.
            text += ", <font color=\"" + Colors.Label.Pink + "\">" + qsTr("Void Course") + "</font>"
        return text
    }

    color: Colors.Background.DarkGrey
    Accessible.role: Accessible.Pane
    //: The moon panel, as a screen reader names it.
    Accessible.name: qsTr("The Moon")

    onDateTimeChanged: {
        // Before completion the editor settles the first moment; completion asks for it once.
        if (completed)
            request(dateTime)
    }
    Component.onCompleted: {
        completed = true
        request(dateTime)
    }

    Ephemeris {
        id: emptyEntry
    }

    Timer {
        id: outlookDelay
        interval: 200
        onTriggered: root.requestOutlook(root.entry.time)
    }

    Connections {
        target: root.calculation
        ignoreUnknownSignals: true
        // The clock's minute keeps the values shown until the new ones arrive: a fade every
        // minute would blink and keep the idle window drawing.
        function onBeginEphemeris() { root.busy = !root.quietRequest }
        function onEphemerisCalculated(ephe) { root.accept(ephe) }
        function onOutlookCalculated(request, outlook) {
            if (request === root.outlookRequest)
                root.outlook = outlook
        }
        // Nothing to show for a moment the library cannot compute.
        function onEphemerisFailed(time) {
            if (time.getTime() === root.dateTime.getTime()) {
                root.busy = false
                root.ready = false
            }
        }
    }

    Column {
        id: column

        // Everything in the column but the moon picture, spacing included.
        readonly property real heightBesideMoon: {
            var sum = 0
            for (var i = 0; i < children.length; ++i) {
                if (children[i] !== moonArea && children[i].visible)
                    sum += children[i].height + spacing
            }
            return sum
        }

        anchors.fill: parent
        anchors.margins: root.padding
        anchors.topMargin: root.padding / 2
        spacing: 6 * UI.ppp

        LunarDay {
            width: parent.width
            height: 26 * UI.ppp
            today: root.ready ? root.entry.lunarDay : 1
            opacity: root.ready ? 1 : 0
        }

        Item {
            id: moonArea
            width: parent.width
            height: root.primaryMoonSize.height

            LunarView {
                id: moon
                anchors.horizontalCenter: parent.horizontalCenter
                width: root.primaryMoonSize.width
                height: root.primaryMoonSize.height
                // Full until the first result, from which it sweeps to the real phase.
                phase: root.ready ? root.entry.phase : 0.5
                turn: root.moonTurn
            }

            // The texts over the Moon stand in a halo of the panel's colour, which keeps them
            // legible over the brightest full moon.
            Glow {
                anchors.fill: moonTexts
                source: moonTexts
                radius: 8 * UI.ppp
                samples: 1 + 2 * Math.ceil(radius)
                spread: 0.8
                color: Colors.Background.DarkGrey
                opacity: moonTexts.opacity
            }

            Column {
                id: moonTexts
                anchors.centerIn: moon
                opacity: root.busy ? 0 : 1

                Behavior on opacity {
                    NumberAnimation { duration: 100; easing.type: Easing.InOutSine }
                }

                LunarPanelLabel {
                    anchors.horizontalCenter: parent.horizontalCenter
                    //: The Moon's illuminated fraction in percent.
                    text: qsTr("%1%").arg(Math.round(root.entry.illumination * 100))
                    //: The Moon's illuminated fraction, read out.
                    Accessible.name: qsTr("%1% illuminated").arg(Math.round(root.entry.illumination * 100))
                    color: Colors.Label.Pink
                    font.family: "PT Sans"
                    font.pixelSize: UI.fontSize(32 * UI.ppp)
                }
                LunarPanelLabel {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTranslate("Lunar", Lunar.phaseName(root.entry.phase))
                    color: Colors.Label.Pink
                    font.family: "PT Sans"
                    font.pixelSize: UI.fontSize(18 * UI.ppp)
                }
                // The Moon's distance from the Earth's centre now.
                LunarPanelLabel {
                    objectName: "distance"
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: root.outlook.distanceKm !== undefined
                    //: The Moon's distance from the Earth now, in kilometres.
                    text: visible ? qsTr("%1 km").arg(Events.km(root.outlook.distanceKm,
                                                                 Qt.locale(UI.localeName))) : ""
                    color: Colors.Label.Pink
                    font.family: "PT Sans"
                    font.pixelSize: UI.fontSize(13 * UI.ppp)
                }
            }

            Spinner {
                anchors.horizontalCenter: moon.horizontalCenter
                y: moon.height / 2 - 10 * UI.ppp
                width: 45 * UI.ppp
                height: 45 * UI.ppp
                opacity: root.busy ? 1 : 0

                Behavior on opacity {
                    NumberAnimation { duration: 100; easing.type: Easing.InOutSine }
                }
            }
        }

        Item {
            width: parent.width
            height: 40 * UI.ppp
            opacity: root.ready ? 1 : 0

            Repeater {
                model: [
                    { label: qsTr("Rise: %1"), value: "nextRising", left: true, row: 0,
                      tip: qsTr("The Moon rises next at %1") },
                    { label: qsTr("Set: %1"), value: "nextSetting", left: false, row: 0,
                      tip: qsTr("The Moon sets next at %1") },
                    //: The Moon's upper transit (culmination) at the time %1; keep it short.
                    { label: qsTr("U/T: %1"), value: "upperTransit", left: true, row: 1,
                      //: Tooltip of "U/T": the upper transit in words.
                      tip: qsTr("Upper transit: the Moon crosses the meridian at its highest, at %1") },
                    //: The Moon's lower transit (lower culmination) at the time %1.
                    { label: qsTr("L/T: %1"), value: "lowerTransit", left: false, row: 1,
                      //: Tooltip of "L/T": the lower transit in words.
                      tip: qsTr("Lower transit: the Moon crosses the meridian at its lowest, mostly below the horizon, at %1") }
                ]

                LunarPanelLabel {
                    id: timeLabel
                    readonly property string time:
                        UI.formatLocal(root.entry[modelData.value], UI.formats.time) || "--:--"

                    y: modelData.row * parent.height / 2
                    width: parent.width / 2
                    x: modelData.left ? 0 : parent.width / 2
                    height: parent.height / 2
                    horizontalAlignment: modelData.left ? Text.AlignLeft : Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    // A long word in another language gives way; the time never does.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: UI.fontSize(11 * UI.ppp)
                    font.pixelSize: UI.fontSize(17 * UI.ppp)
                    // Near the poles the Moon may not rise or set for days: say so, rather
                    // than leave the label hanging.
                    text: modelData.label.arg(time)
                    // Read out in words, as the tip says it.
                    Accessible.name: modelData.tip.arg(time)

                    MouseArea {
                        id: timeMouse
                        anchors.fill: parent
                        acceptedButtons: Qt.NoButton
                        hoverEnabled: true
                    }
                    AreaTip {
                        area: timeMouse
                        text: modelData.tip.arg(timeLabel.time)
                    }
                }
            }
        }

        // The four phases two by two, new moon and first quarter over full moon and last
        // quarter: side by side they leave room for the outlook below.
        Grid {
            id: phaseGrid
            columns: 2
            columnSpacing: 8 * UI.ppp
            rowSpacing: 6 * UI.ppp

            Repeater {
                model: [
                    { phase: 0.0, prev: "prevNewMoon", next: "nextNewMoon",
                      prevTip: qsTr("The previous new moon"), nextTip: qsTr("The next new moon") },
                    { phase: 0.25, prev: "prevFirstQuarter", next: "nextFirstQuarter",
                      prevTip: qsTr("The previous first quarter"),
                      nextTip: qsTr("The next first quarter") },
                    { phase: 0.5, prev: "prevFullMoon", next: "nextFullMoon",
                      prevTip: qsTr("The previous full moon"), nextTip: qsTr("The next full moon") },
                    { phase: 0.75, prev: "prevThirdQuarter", next: "nextThirdQuarter",
                      prevTip: qsTr("The previous third quarter"),
                      nextTip: qsTr("The next third quarter") }
                ]

                LunarPhaseView {
                    width: (column.width - phaseGrid.columnSpacing) / 2
                    height: 34 * UI.ppp
                    pictureSize: 28 * UI.ppp
                    spacing: 5 * UI.ppp
                    phase: modelData.phase
                    prevTip: modelData.prevTip
                    nextTip: modelData.nextTip
                    turn: root.glyphTurn
                    prevDate: root.entry[modelData.prev]
                    nextDate: root.entry[modelData.next]
                    onClicked: root.dateTime = date
                }
            }
        }

        LunarPanelLabel {
            objectName: "signText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            textFormat: Text.RichText
            color: Colors.OnDark.Teal
            font.pixelSize: UI.fontSize(17 * UI.ppp)
            font.weight: Font.Medium
            lineHeight: 0.84
            opacity: root.ready ? 1 : 0
            text: root.ready ? root.signText(root.entry) : ""
        }

        LunarOutlook {
            objectName: "outlook"
            width: parent.width
            opacity: root.ready ? 1 : 0
            outlook: root.outlook
            onClicked: root.dateTime = time
        }
    }

    // Times shown in another zone than this computer's say which, so none is read wrongly.
    LunarPanelLabel {
        id: zoneLine
        objectName: "zoneLine"
        anchors.bottom: placeLine.top
        anchors.horizontalCenter: parent.horizontalCenter
        width: editor.width
        horizontalAlignment: Text.AlignHCenter
        // Smaller where a language makes it longer: the zone's offset is a time, never cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: UI.fontSize(9 * UI.ppp)
        // Read with the zone, so the line follows a change of zone.
        readonly property string label: UI.timeZone !== "" ? UI.timeZoneLabel(root.dateTime) : ""
        text: label !== "" ? qsTr("Times in %1 (%2)").arg(UI.timeZone).arg(label) : ""
        visible: text !== ""
        color: Colors.OnDark.Grey
        font.pixelSize: UI.fontSize(13 * UI.ppp)
    }

    LunarPanelLabel {
        id: placeLine
        anchors.bottom: editor.top
        anchors.bottomMargin: 4 * UI.ppp
        anchors.horizontalCenter: parent.horizontalCenter
        objectName: "placeName"
        width: editor.width
        horizontalAlignment: Text.AlignHCenter
        // The country, at the end, stays in view.
        elide: Text.ElideMiddle
        text: root.placeName
        color: Colors.OnDark.Grey
        font.pixelSize: UI.fontSize(13 * UI.ppp)
    }

    LunarTime {
        id: editor
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10 * UI.ppp
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 2 * root.padding
        time: root.dateTime
        onUpdateTime: root.dateTime = time
    }
}
