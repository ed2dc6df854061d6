import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

Item {
    id: scene
    width: 100
    height: 300

    Component {
        id: switcherComponent
        PageSwitcher {
            width: 50
            height: 300
        }
    }

    SignalSpy {
        id: helpSpy
        signalName: "helpClicked"
    }

    TestCase {
        name: "PageSwitcher"
        when: windowShown

        property var switcher: null

        function init() {
            switcher = createTemporaryObject(switcherComponent, scene)
            helpSpy.target = switcher
            helpSpy.clear()
        }

        // Squares of 50 one above the other, 1 apart: pages 0 to 2, then help.
        function test_clicks_data() {
            return [
                { tag: "texts", square: 0, index: 0, help: 0 },
                { tag: "calendar", square: 1, index: 1, help: 0 },
                { tag: "settings", square: 2, index: 2, help: 0 },
                { tag: "help selects no page", square: 3, index: 1, help: 1 }
            ]
        }

        function test_clicks(data) {
            switcher.selectedIndex = 1
            mouseClick(switcher, 25, data.square * 51 + 25)
            compare(switcher.selectedIndex, data.index)
            compare(helpSpy.count, data.help)
        }
    }
}
