import QtQuick 2.9
import Astro 1.0
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../controls"
import "../scripts/Util.js" as Util

// The moon panel's date-time editor: the moment as editable text, a day back and forward, and
// the Now switch that follows the clock a minute at a time. It never moves the panel itself:
// every change is announced through updateTime(), and the panel answers by setting time.
Item {
    id: root

    // The moment shown.
    property date time: UI.localTime()
    // The moment being edited.
    property date inputTime: time
    // The moment as the editor shows it.
    readonly property string text: input.text
    property bool now: false
    // What the Now switch follows; a test hands in a clock of its own.
    property var clock: function() { return UI.localTime() }
    // True while updateTime() announces the clock's tick: nobody moved the moment on purpose.
    property bool ticking: false

    // The user's locale's date and time; another language shows the moment anew.
    readonly property string format: UI.formats.editor

    signal updateTime(date time)

    function showInputTime() {
        input.text = UI.formatLocal(inputTime, format)
    }

    // tick: the timer's call, not the user's turning the switch on.
    function followClock(tick) {
        // Whole minutes: the panel recomputes once a minute, not once a second.
        inputTime = Util.startOfMinute(clock())
        ticking = tick === true
        updateTime(inputTime)
        ticking = false
    }

    function stepDays(days) {
        now = false
        var stepped = UI.addDays(inputTime, days)
        if (Astro.covers(stepped))
            inputTime = stepped
        updateTime(inputTime)
    }

    // Ends an edit that gave no other moment: the clock goes on if typing stopped it, and its
    // moment is announced by following it. True when it did.
    function resumeClock() {
        var resume = input.resumeNow
        input.resumeNow = false
        if (resume)
            now = true
        return resume
    }

    // The text as typed, read back the way it is shown (blanks round the date's separators and
    // leading zeros may be left out). Text that is no such moment, or one outside the years the
    // ephemeris files cover, leaves it as it was and is shown again. Another moment typed leaves
    // the clock; the moment it showed, typed or untouched, keeps following it.
    function commitText() {
        var parsed = UI.readDateTime(input.text, format)
        if (!isNaN(parsed.getTime()) && Astro.covers(parsed)
                && parsed.getTime() !== inputTime.getTime()) {
            input.resumeNow = false
            now = false
            inputTime = parsed
        } else if (resumeClock()) {
            showInputTime()
            return
        }
        showInputTime()
        updateTime(inputTime)
    }

    implicitWidth: 258 * UI.ppp
    implicitHeight: nowRow.height + input.height

    onTimeChanged: {
        if (time.getTime() !== inputTime.getTime())
            now = false
        inputTime = time
        showInputTime()
    }
    onFormatChanged: showInputTime()
    Keys.onTabPressed: input.nextItemInFocusChain(true).forceActiveFocus()
    Keys.onBacktabPressed: input.nextItemInFocusChain(false).forceActiveFocus()
    onNowChanged: {
        if (now)
            followClock()
    }
    Component.onCompleted: {
        showInputTime()
        now = true
    }

    // The same moment on another zone's clock.
    Connections {
        target: UI
        function onTimeZoneChanged() { root.showInputTime() }
    }

    Timer {
        objectName: "clockTimer"
        interval: 1000
        repeat: true
        running: root.now
        onTriggered: root.followClock(true)
    }

    Item {
        id: nowRow
        width: parent.width
        height: 17 * UI.ppp

        Text {
            id: nowLabel
            anchors.right: nowGlyph.left
            anchors.rightMargin: 10 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Now")
            color: Colors.Label.White
            font.family: "PT Sans, Open Sans, Helvetica"
            font.pixelSize: UI.fontSize(18 * UI.ppp)
        }

        Text {
            id: nowGlyph
            anchors.right: parent.right
            anchors.rightMargin: 35 * UI.ppp
            anchors.verticalCenter: parent.verticalCenter
            // Off is an empty grey box, not a filled one in the colour of on.
            text: root.now ? Icons.FontAwesome.CheckSquare : Icons.FontAwesome.SquareOutline
            color: !root.now ? Colors.OnDark.Grey
                             : nowMouse.containsMouse ? Colors.OnDark.TealHovered : Colors.OnDark.Teal
            font.family: "FontAwesome"
            font.pixelSize: UI.fontSize(18 * UI.ppp)
        }

        MouseArea {
            id: nowMouse
            x: nowLabel.x
            width: nowGlyph.x + nowGlyph.width - nowLabel.x
            height: parent.height
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: root.now = !root.now
        }
        FocusTarget {
            objectName: "nowSwitch"
            anchors.fill: nowMouse
            onDark: true
            role: Accessible.CheckBox
            name: nowLabel.text
            checkable: true
            checked: root.now
            onActivated: root.now = !root.now
        }
    }

    // Back before the field in the keyboard's order, forward after it.
    LunarDayArrow {
        days: -1
        anchors.verticalCenter: input.verticalCenter
        onActivated: root.stepDays(days)
    }

    FocusRing {
        anchors.fill: input
        shown: input.activeFocus
        onDark: true
    }

    TextInput {
        id: input
        objectName: "input"

        property bool finishing: false
        // The Now switch was on when typing began; Escape turns it on again.
        property bool resumeNow: false

        anchors.top: nowRow.bottom
        width: parent.width
        horizontalAlignment: TextInput.AlignHCenter
        color: Colors.Label.White
        selectionColor: Colors.Label.Pink
        font.family: "PT Sans, Open Sans, Helvetica"
        font.pixelSize: UI.fontSize(21 * UI.ppp)
        selectByMouse: true
        activeFocusOnTab: true
        //: The moon panel's date and time field, as a screen reader names it.
        Accessible.name: qsTr("Moment shown")
        // Escape takes back what was typed, the clock included.
        Keys.onEscapePressed: {
            root.showInputTime()
            root.resumeClock()
        }

        // Typing stops the clock, so that its tick does not overwrite the text; the keyboard
        // passing through the field leaves it running.
        onTextEdited: {
            if (root.now)
                resumeNow = true
            root.now = false
        }
        onEditingFinished: {
            // Dropping the focus below ends the edit a second time.
            if (finishing)
                return
            finishing = true
            root.commitText()
            // The keyboard's place stays here (see InputFrame.releaseFocus).
            root.forceActiveFocus()
            finishing = false
        }
    }

    LunarDayArrow {
        days: 1
        x: root.width - width
        anchors.verticalCenter: input.verticalCenter
        onActivated: root.stepDays(days)
    }
}
