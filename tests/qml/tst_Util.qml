import QtQuick 2.6
import QtTest 1.1
import "qrc:/qml/scripts/Util.js" as Util

TestCase {
    name: "Util"

    // A window at screen y 100, 400 high; a box 20 high with its top at window y baseY.
    function test_dropdownY_data() {
        return [
            { tag: "exactly fits below", baseY: 280, list: 100, below: true },
            { tag: "only fits above", baseY: 300, list: 150, below: false },
            { tag: "exactly fits above", baseY: 300, list: 300, below: false },
            { tag: "fits neither: below", baseY: 200, list: 250, below: true }
        ]
    }

    function test_dropdownY(data) {
        var originY = 100 + data.baseY
        var y = Util.dropdownY(originY, 100, 400, 20, data.list)
        compare(y, data.below ? originY + 20 : originY - data.list)
    }

    // A window at screen (100, 50), 600 x 400; sizes left, top, right, bottom.
    function test_overlayStrips_data() {
        return [
            { tag: "inside", rect: Qt.rect(150, 100, 200, 100), strips: [50, 50, 350, 250] },
            { tag: "at the top-left corner", rect: Qt.rect(100, 50, 10, 10),
              strips: [0, 0, 590, 390] },
            { tag: "hanging below the window", rect: Qt.rect(200, 400, 100, 100),
              strips: [100, 350, 400, 0] },
            { tag: "sticking out on the left", rect: Qt.rect(80, 60, 100, 10),
              strips: [0, 10, 520, 380] }
        ]
    }

    function test_overlayStrips(data) {
        var s = Util.overlayStrips(data.rect, 100, 50, 600, 400)
        compare([s.left, s.top, s.right, s.bottom], data.strips)
    }
}
