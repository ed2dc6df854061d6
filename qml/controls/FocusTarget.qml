import QtQuick 2.6
import UI 1.0

// What the keyboard and a screen reader reach of a control drawn by other means: laid over the
// control, it takes the focus on Tab, shows the focus ring, is activated by Space or Enter (or
// by the screen reader's press) and tells its role, name and state.
Item {
    id: root

    property int role: Accessible.Button
    property string name: ""
    property string description: ""
    property bool checkable: false
    property bool checked: false
    property bool selected: false
    property alias onDark: ring.onDark
    property alias ringOffset: ring.offset

    signal activated()
    // Any other key, for the control to take (set event.accepted) or leave.
    signal keyPressed(var event)

    activeFocusOnTab: enabled
    Accessible.role: role
    Accessible.name: name
    Accessible.description: description
    Accessible.focusable: true
    Accessible.checkable: checkable
    Accessible.checked: checked
    Accessible.selected: selected
    Accessible.onPressAction: activated()
    Accessible.onToggleAction: activated()

    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return
                || event.key === Qt.Key_Enter) {
            event.accepted = true
            activated()
        } else {
            keyPressed(event)
        }
    }

    FocusRing {
        id: ring
    }
}
