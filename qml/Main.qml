import QtQuick 2.6
import UI 1.0
import Global 1.0

// The root scene. For now a plain face that names the program and follows the interface scale.
Rectangle {
    id: root

    width: 1018 * UI.ppp
    height: 560 * UI.ppp
    color: "#1d2430"

    Column {
        anchors.centerIn: parent
        spacing: 8 * UI.ppp

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: Global.product
            color: "#f2e9d8"
            font.pixelSize: UI.fontSize(48 * UI.ppp)
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Version %1").arg(Global.version)
            color: "#a9b4c6"
            font.pixelSize: UI.fontSize(16 * UI.ppp)
        }
    }
}
