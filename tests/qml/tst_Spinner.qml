import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/controls"

Item {
    id: scene
    width: 100
    height: 100

    Spinner {
        id: spinner
        anchors.fill: parent
    }

    TestCase {
        name: "Spinner"
        when: windowShown

        // A hidden spinner must not keep the scene redrawing.
        function test_runsOnlyWhileSeen_data() {
            return [
                { tag: "shown", opacity: 1, visible: true, runs: true },
                { tag: "faded out", opacity: 0, visible: true, runs: false },
                { tag: "invisible", opacity: 1, visible: false, runs: false }
            ]
        }

        function test_runsOnlyWhileSeen(data) {
            spinner.opacity = data.opacity
            spinner.visible = data.visible
            var index = spinner.currentIndex
            wait(350)
            compare(spinner.currentIndex !== index, data.runs)
        }
    }
}
