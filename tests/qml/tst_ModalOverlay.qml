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

        function test_idleLetsClicksThrough() {
            overlay.setModalWindow(dropdown, Qt.rect(300, 150, 100, 150))
            overlay.enableModalOverlay(false)
            compare(overlay.leftSize + overlay.topSize + overlay.rightSize + overlay.bottomSize, 0)
            mouseClick(scene, 50, 200)
            compare(belowSpy.count, 1)
            compare(dropdown.hides, 0)
        }

        // The drop-down covers scene (200, 100) to (300, 250), screen (300, 150) to (400, 300).
        function test_pressOutsideClosesAndStops_data() {
            return [
                { tag: "left strip", x: 50, y: 200, outside: true },
                { tag: "bottom strip", x: 250, y: 350, outside: true },
                { tag: "inside the drop-down's rectangle", x: 250, y: 200, outside: false }
            ]
        }

        function test_pressOutsideClosesAndStops(data) {
            overlay.setModalWindow(dropdown, Qt.rect(300, 150, 100, 150))
            compare(overlay.leftSize, 200)
            compare(overlay.topSize, 100)
            compare(overlay.rightSize, 300)
            compare(overlay.bottomSize, 150)
            compare(overlay.modalWindow, dropdown)

            mousePress(scene, data.x, data.y)
            mouseRelease(scene, data.x, data.y)
            compare(dropdown.hides, data.outside ? 1 : 0)
            compare(belowSpy.count, data.outside ? 0 : 1)
            compare(overlay.active, !data.outside)
            compare(overlay.modalWindow, data.outside ? null : dropdown)
        }
    }
}
