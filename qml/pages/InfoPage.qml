import QtQuick 2.6
import UI 1.0

// Page 3: kept empty; the switcher's information button opens the help page instead.
Item {
    id: root

    Item {
        anchors.fill: parent
        anchors.margins: 15 * UI.ppp
    }
}
