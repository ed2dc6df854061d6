import QtQuick 2.6
import QtTest 1.1
import UI 1.0
import "qrc:/qml/lunar"

Item {
    id: scene
    width: 300
    height: 100

    Component {
        id: rowComponent
        LunarPhaseView {
            width: 258
            height: 34
            phase: 0.25
            prevDate: new Date(2016, 1, 15, 7, 46)
            nextDate: new Date(2016, 2, 15, 17, 3)
        }
    }

    SignalSpy {
        id: clickedSpy
        signalName: "clicked"
    }

    TestCase {
        name: "LunarPhaseView"
        when: windowShown

        function test_clickedLine_data() {
            return [
                { tag: "upper line: the previous instant", y: 8, expected: "02/15/2016 07:46" },
                { tag: "lower line: the next instant", y: 24, expected: "03/15/2016 17:03" }
            ]
        }

        function test_clickedLine(data) {
            var row = createTemporaryObject(rowComponent, scene)
            clickedSpy.target = row
            clickedSpy.clear()
            // The date block starts right of the picture and the gap.
            mouseClick(row, 34 + 25 + 20, data.y)
            compare(clickedSpy.count, 1)
            compare(UI.formatDateTime(clickedSpy.signalArguments[0][0], "MM/dd/yyyy hh:mm"),
                    data.expected)
        }
    }
}
