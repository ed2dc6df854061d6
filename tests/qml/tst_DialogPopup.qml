import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

Item {
    id: scene
    width: 800
    height: 500

    Component {
        id: dialogComponent
        DialogPopup { title: "Update" }
    }

    SignalSpy { id: okSpy; signalName: "okClicked" }
    SignalSpy { id: cancelSpy; signalName: "cancelClicked" }
    SignalSpy { id: closedSpy; signalName: "closed" }

    TestCase {
        name: "DialogPopup"
        when: windowShown

        // Points relative to the centred 380 x 240 box; "inside" is its middle.
        function test_waysOut_data() {
            return [
                { tag: "ok button", x: 315, y: 330, ok: 1, cancel: 0, closed: 0 },
                { tag: "cancel button", x: 485, y: 330, ok: 0, cancel: 1, closed: 0 },
                { tag: "backdrop", x: 20, y: 20, ok: 0, cancel: 0, closed: 1 },
                { tag: "close glyph", x: 576, y: 148, ok: 0, cancel: 0, closed: 1 },
                { tag: "inside the box", x: 400, y: 250, ok: 0, cancel: 0, closed: 0 }
            ]
        }

        function test_waysOut(data) {
            var dialog = createTemporaryObject(dialogComponent, scene)
            var spies = [okSpy, cancelSpy, closedSpy]
            for (var i = 0; i < spies.length; ++i) {
                spies[i].target = dialog
                spies[i].clear()
            }
            verify(!dialog.visible, "hidden until shown")
            dialog.opacity = 1
            tryCompare(dialog, "opacity", 1)
            mouseClick(scene, data.x, data.y)
            compare(okSpy.count, data.ok)
            compare(cancelSpy.count, data.cancel)
            compare(closedSpy.count, data.closed)
            var leaves = data.ok + data.cancel + data.closed > 0
            tryCompare(dialog, "visible", !leaves)
        }

        function test_buttons_data() {
            return [
                { tag: "default", buttons: undefined, names: ["ok", "cancel"] },
                { tag: "a single string is no list", buttons: "ok", names: [] },
                { tag: "a map is no list", buttons: { ok: "Ok" }, names: [] }
            ]
        }

        function test_buttons(data) {
            var dialog = createTemporaryObject(dialogComponent, scene)
            if (data.buttons !== undefined)
                dialog.buttons = data.buttons
            compare(dialog.buttonNames, data.names)
        }
    }
}
