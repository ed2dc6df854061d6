import QtQuick 2.6
import QtTest 1.1
import QtQuick.Window 2.2
import "qrc:/qml/controls"

// A dialog from the keyboard: it takes the focus from what lies behind it and keeps Tab to
// itself; Escape is its cancel, Enter its ok; the focus goes back where it was.
TestScene {
    id: window

    Item {
        id: behind
        anchors.fill: parent

        ButtonBlack {
            text: "Behind"
        }
    }

    Component {
        id: dialogComponent
        DialogPopup {
            title: "Export"
            blocked: behind

            InputSelect {
                width: 300
                labelText: "Range"
                overlay: window.overlay
                options: ["This month", "Next 3 months"]
            }
        }
    }

    SignalSpy { id: okSpy; signalName: "okClicked" }
    SignalSpy { id: cancelSpy; signalName: "cancelClicked" }

    TestCase {
        name: "DialogPopup"
        when: windowShown

        property var dialog: null

        function init() {
            dialog = createTemporaryObject(dialogComponent, window)
            okSpy.target = dialog
            okSpy.clear()
            cancelSpy.target = dialog
            cancelSpy.clear()
            behind.nextItemInFocusChain(true).forceActiveFocus()
            dialog.opacity = 1
            tryVerify(function() { return dialog.visible })
        }

        function focusedName() {
            return window.Window.activeFocusItem ? window.Window.activeFocusItem.name : "none"
        }

        function test_tabStaysInTheDialog() {
            var walked = [focusedName()]
            for (var i = 0; i < 4; ++i) {
                keyClick(Qt.Key_Tab)
                walked.push(focusedName())
            }
            compare(walked, ["Range", "Ok", "Cancel", "Close", "Range"])
            keyClick(Qt.Key_Backtab)
            compare(focusedName(), "Close")
        }

        // Escape anywhere is Cancel; Enter where the focused control takes it not is Ok.
        function test_keysCloseAndGiveTheFocusBack_data() {
            return [{ tag: "Escape on the field", tabs: 0, key: Qt.Key_Escape, ok: 0, cancel: 1 },
                    { tag: "Enter on Ok", tabs: 1, key: Qt.Key_Return, ok: 1, cancel: 0 },
                    { tag: "Space on Cancel", tabs: 2, key: Qt.Key_Space, ok: 0, cancel: 1 }]
        }

        function test_keysCloseAndGiveTheFocusBack(data) {
            verify(!behind.enabled, "nothing behind takes the keyboard")
            for (var i = 0; i < data.tabs; ++i)
                keyClick(Qt.Key_Tab)
            keyClick(data.key)
            compare(okSpy.count, data.ok)
            compare(cancelSpy.count, data.cancel)
            tryVerify(function() { return !dialog.visible })
            verify(behind.enabled)
            compare(focusedName(), "Behind")
        }
    }
}
