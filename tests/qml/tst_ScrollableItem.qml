import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

// Tab through a list taller than its view: the control the keyboard comes to is scrolled into
// view, down and up again.
Item {
    id: scene
    width: 300
    height: 200

    ScrollableItem {
        id: scroll
        width: 200
        height: 100

        Column {
            Repeater {
                id: buttons
                model: 10
                ButtonBlack {
                    width: 150
                    height: 30
                    text: "Row " + index
                }
            }
        }
    }

    TestCase {
        name: "ScrollableItem"
        when: windowShown

        // Rows 30 high; the view, 100 high, starts at 150 (rows 5 to 8 in view).
        function test_focusScrolledIntoView_data() {
            return [{ tag: "below: its bottom at the view's", row: 9, top: 200 },
                    { tag: "in view: no move", row: 5, top: 150 },
                    { tag: "above: its top at the view's", row: 0, top: 0 }]
        }

        function test_focusScrolledIntoView(data) {
            scroll.flickableItem.contentY = 150
            // The button's focus target, next to it in Tab's order.
            buttons.itemAt(data.row).nextItemInFocusChain(true).forceActiveFocus()
            compare(scroll.flickableItem.contentY, data.top)
        }
    }
}
