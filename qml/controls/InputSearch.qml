import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// A labelled search field: typing asks for options through searched(), the drop-down lists
// them, and choosing one puts its text into the field. It keeps no selected index.
InputFrame {
    id: root

    property var options: []
    property int dropdownMaximumHeight: 160 * UI.ppp
    property int dropdownItemHeight: 20 * UI.ppp
    // The scene's ModalOverlay, which closes the drop-down on a click elsewhere.
    property Item overlay: null
    property bool inSearch: false

    readonly property alias dropdown: dropdown
    readonly property int optionCount: options ? options.length : 0

    signal searched(string lookup)
    signal optionSelected(int index)

    function setText(text) {
        input.text = text
    }

    function choose(index) {
        optionSelected(index)
        input.focus = false
        input.text = options[index]
        // The field now holds the choice, not the lookup that found it.
        commit()
        dropdown.close()
    }

    placeholderVisible: !input.activeFocus && input.text === ""
    onBoxClicked: input.forceActiveFocus()
    onEditFinished: {
        commit()
        input.focus = false
        dropdown.close()
    }
    onInputTextChanged: {
        if (!inSearch)
            input.text = inputText
    }

    Connections {
        target: root.input
        function onActiveFocusChanged() {
            if (root.input.activeFocus) {
                if (root.inSearch)
                    return
                // Cleared before the search starts: an empty lookup is no search.
                root.input.text = ""
                root.inSearch = true
                root.dropdown.open()
            } else {
                root.inSearch = false
            }
        }
        function onTextChanged() {
            if (!root.inSearch)
                return
            if (!root.dropdown.visible)
                root.dropdown.open()
            root.searched(root.input.text)
        }
    }

    Text {
        anchors.right: root.box.right
        anchors.rightMargin: 8 * UI.ppp
        anchors.verticalCenter: root.box.verticalCenter
        visible: root.inSearch
        text: Icons.FontAwesome.Times
        color: Colors.Label.Grey
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(18 * UI.ppp)

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                root.input.focus = false
                root.dropdown.close()
            }
        }
    }

    DropdownWindow {
        id: dropdown
        box: root.box
        overlay: root.overlay
        popup: typeof platform !== "undefined" && platform === "win"
        includeBox: true
        maximumHeight: root.dropdownMaximumHeight
        itemHeight: root.dropdownItemHeight
        contentWidth: optionList.width
        contentHeight: root.optionCount * root.dropdownItemHeight

        Column {
            id: optionList
            width: root.box.width - 2 * dropdown.frameBorder

            Repeater {
                model: root.optionCount

                DropdownOption {
                    width: optionList.width
                    height: root.dropdownItemHeight
                    text: root.options[index]
                    onClicked: root.choose(index)
                }
            }
        }
    }
}
