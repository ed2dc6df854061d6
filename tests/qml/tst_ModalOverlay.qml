import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

Item {
    id: scene
    width: 600
    height: 400

    MouseArea {
        id: below
        anchors.fill: parent
    }

    ModalOverlay {
        id: overlay
        anchors.fill: parent
        windowX: 100
        windowY: 50
    }

    QtObject {
        id: dropdown
        property int hides: 0
        function hide() { ++hides }
    }

    SignalSpy {
        id: belowSpy
        target: below
        signalName: "pressed"
    }

    TestCase {
        name: "ModalOverlay"
        when: windowShown

        function init() {
            overlay.enableModalOverlay(false)
            overlay.modalWindow = null
            dropdown.hides = 0
            belowSpy.clear()
        }

        // The drop-down covers scene (200, 100) to (300, 250), screen (300, 150) to (400, 300);
        // the strips around it are worked out in Util. An idle overlay lets every click through.
        function test_pressOutsideClosesAndStops_data() {
            return [
                { tag: "left strip", x: 50, y: 200, outside: true },
                { tag: "bottom strip", x: 250, y: 350, outside: true },
                { tag: "inside the drop-down's rectangle", x: 250, y: 200, outside: false },
                { tag: "idle", x: 50, y: 200, outside: false, idle: true }
            ]
        }

        function test_pressOutsideClosesAndStops(data) {
            overlay.setModalWindow(dropdown, Qt.rect(300, 150, 100, 150))
            if (data.idle)
                overlay.enableModalOverlay(false)
            mousePress(scene, data.x, data.y)
            mouseRelease(scene, data.x, data.y)
            compare(dropdown.hides, data.outside ? 1 : 0)
            compare(belowSpy.count, data.outside ? 0 : 1)
            compare(overlay.active, !data.outside && !data.idle)
            compare(overlay.modalWindow, data.outside ? null : dropdown)
        }
    }
}
