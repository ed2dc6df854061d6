import QtQuick 2.6
import QtQuick.Window 2.2
import "../scripts/Util.js" as Util

// The keyboard focus of a dialog: while `active` it is on the first control in `scope` (in the
// order Tab walks), or on the dialog itself where there is none, and what lies behind the dialog
// (`blocked`) is disabled, so that Tab stays in the dialog; when the dialog goes, the focus is
// given back to where it was.
Item {
    id: root

    property Item scope: parent
    // Takes the focus where scope holds no control.
    property Item fallback: parent
    property bool active: false
    property Item blocked: null
    property Item before: null

    onActiveChanged: {
        if (active) {
            before = Window.activeFocusItem
            if (blocked)
                blocked.enabled = false
            var first = Util.firstControlIn(scope)
            if (first)
                first.forceActiveFocus()
            else
                fallback.forceActiveFocus()
        } else {
            if (blocked)
                blocked.enabled = true
            if (before && before.visible)
                before.forceActiveFocus()
            before = null
        }
    }
}
