import QtQuick 2.6
import UI 1.0
import "../controls"
import "../scripts/Calendar.js" as Calendar
import "../scripts/Events.js" as Events

// The found dates, ten rows at most, in the order the search reports them (date order) from
// the top.
ScrollableItem {
    id: root

    readonly property int maximumItems: Calendar.MaximumResults
    // Fill counter: the highest filled index, -1 while empty.
    property int lastIndex: -1
    readonly property real rowWidth: 340 * UI.ppp
    readonly property real rowHeight: 30 * UI.ppp
    readonly property real rowSpacing: 5 * UI.ppp
    readonly property real topPadding: 15 * UI.ppp

    signal resultClicked(date date)
    // A found eclipse was clicked: the moment it is told by.
    signal momentClicked(date time)

    // Takes a hit of the search model (an Ephemeris).
    function add(ephemeris) {
        put({ date: ephemeris.time, lunarDay: ephemeris.lunarDay, zodiac: ephemeris.zodiac,
              phase: ephemeris.phase, eclipse: null })
    }

    // Takes an eclipse the search model found (SearchModel.eclipseFound).
    function addEclipse(eclipse) {
        put({ date: Events.eclipseMoment(eclipse), lunarDay: 0, zodiac: -1, phase: 0,
              eclipse: eclipse })
    }

    function put(entry) {
        var next = Calendar.nextSlot(lastIndex)
        slots.itemAt(next.slot).fill(entry)
        lastIndex = next.index
    }

    function clear() {
        for (var i = 0; i < slots.count; ++i)
            slots.itemAt(i).empty()
        lastIndex = -1
        // The next list starts in view from its first row.
        flickableItem.contentY = 0
    }

    horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff

    Item {
        width: root.rowWidth + 15 * UI.ppp
        height: (root.lastIndex + 1) * (root.rowHeight + root.rowSpacing) + root.topPadding

        Column {
            y: root.topPadding

            Repeater {
                id: slots
                objectName: "slots"
                model: root.maximumItems

                Item {
                    id: slot

                    property bool active: false
                    // A copy of the hit's values: the search model's object itself is freed
                    // once nothing refers to it.
                    property var entry: ({ date: new Date(NaN), lunarDay: 0, zodiac: -1,
                                           phase: 0, eclipse: null })

                    function fill(values) {
                        entry = values
                        active = true
                    }

                    function empty() {
                        active = false
                    }

                    width: root.rowWidth
                    height: active ? root.rowHeight + root.rowSpacing : 0
                    clip: true

                    Behavior on height {
                        NumberAnimation { duration: 300; easing.type: Easing.InOutSine }
                    }

                    Loader {
                        id: row
                        width: parent.width
                        height: root.rowHeight
                        active: slot.active
                        opacity: status === Loader.Ready ? 1 : 0
                        sourceComponent: CalendarSearchResult {
                            entry: slot.entry
                            hovered: mouse.containsMouse
                        }

                        Behavior on opacity {
                            NumberAnimation { duration: 300; easing.type: Easing.InOutSine }
                        }
                    }

                    MouseArea {
                        id: mouse
                        width: parent.width
                        height: root.rowHeight
                        enabled: slot.active
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            if (slot.entry.eclipse)
                                root.momentClicked(slot.entry.date)
                            else
                                root.resultClicked(slot.entry.date)
                        }
                    }
                }
            }
        }
    }
}
