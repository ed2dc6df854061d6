import QtQuick 2.6
import QtTest 1.1
import Global 1.0
import "qrc:/qml/dialogs"

Item {
    id: scene
    width: 800
    height: 400

    Component {
        id: dialogComponent
        UpdateDialog {}
    }

    // The update service's announcements are emitted by hand: no test reaches the network.
    TestCase {
        name: "UpdateDialog"
        when: windowShown

        property var dialog: null

        function init() {
            dialog = createTemporaryObject(dialogComponent, scene)
        }

        // The service counts one byte more than the reply's total: an unknown total is 0.
        function test_progress_data() {
            return [
                { tag: "half way, rounded down", bytes: 500, total: 1001, text: "Downloading 49%" },
                { tag: "unknown total", bytes: 4096, total: 0, text: "Downloading..." }
            ]
        }

        function test_progress(data) {
            Global.updateAvailable("3.1.0", "3.2.0")
            Global.updateDownloadProgress(data.bytes, data.total)
            compare(dialog.info, data.text)
        }

        function test_outcome_data() {
            return [
                { tag: "success hides", success: true, visible: false,
                  info: "Downloading 99%" },
                { tag: "failure offers again", success: false, visible: true,
                  info: "download failed" }
            ]
        }

        function test_outcome(data) {
            Global.updateAvailable("3.1.0", "3.2.0")
            // As after "Update Now", which would start a real download.
            dialog.downloading = true
            verify(!findChild(dialog, "updateNow").enabled)
            Global.updateDownloadProgress(1000, 1001)
            Global.updateFinished(data.success)
            compare(dialog.visible, data.visible)
            compare(dialog.info, data.info)
            verify(findChild(dialog, "updateNow").enabled)
        }
    }
}
