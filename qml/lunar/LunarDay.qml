import QtQuick 2.6
import UI 1.0

// The lunar day heading of the moon panel.
Item {
    id: root

    property int today: 2

    implicitHeight: 26 * UI.ppp

    LunarPanelLabel {
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: UI.fontSize(22 * UI.ppp)
        //: The lunar day (1 to 30) of the moment shown.
        text: qsTr("Day %1").arg(root.today)
    }
}
