import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

Item {
    id: scene
    width: 600
    height: 200

    Component {
        id: switcherComponent
        TabSwitcher {
            width: 500
            height: 60
            spacing: 40
            names: ["Daily", "Void Course", "Moon\nDay"]
        }
    }

    Component {
        id: markerCaption
        Item {
            implicitWidth: 50
            Text { objectName: "marker"; text: itemIndex + (isSelected ? " selected" : "") }
        }
    }

    TestCase {
        name: "TabSwitcher"
        when: windowShown

        function test_namesChange_data() {
            return [
                { tag: "shorter list drops a later caption", selected: 2, names: ["A", "B"],
                  result: 0 },
                { tag: "shorter list keeps an earlier caption", selected: 1, names: ["A", "B"],
                  result: 1 },
                { tag: "nothing selected takes the first", selected: -1, names: ["A"], result: 0 },
                { tag: "empty list selects nothing", selected: 1, names: [], result: -1 }
            ]
        }

        function test_namesChange(data) {
            var switcher = createTemporaryObject(switcherComponent, scene)
            switcher.selectedIndex = data.selected
            switcher.names = data.names
            compare(switcher.selectedIndex, data.result)
            compare(switcher.selectedCaption === null, data.result === -1)
        }

        function test_clicks() {
            var switcher = createTemporaryObject(switcherComponent, scene, { selectedIndex: 2 })
            // The click area reaches 10 pixels below the caption.
            mouseClick(switcher, 5, switcher.height + 5)
            compare(switcher.selectedIndex, 0)
            var first = switcher.selectedCaption
            mouseClick(switcher, first.width + 40 + 5, 30, Qt.RightButton)
            compare(switcher.selectedIndex, 0, "the right button chooses nothing")
            mouseClick(switcher, first.width + 40 + 5, 30)
            compare(switcher.selectedIndex, 1)
        }

        function test_customCaptionSeesItsState() {
            var switcher = createTemporaryObject(switcherComponent, scene,
                                                 { captionItem: markerCaption, selectedIndex: 1 })
            compare(switcher.selectedCaption.width, 50)
            compare(findChild(switcher.selectedCaption, "marker").text, "1 selected")
        }
    }
}
