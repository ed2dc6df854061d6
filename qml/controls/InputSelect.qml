import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons

// A labelled choice among options from a drop-down list.
InputFrame {
    id: root

    property var options: []
    property int selectedIndex: -1
    property int defaultIndex: 0
    property int dropdownMaximumHeight: 160 * UI.ppp
    property int dropdownItemHeight: 20 * UI.ppp
    // The scene's ModalOverlay, which closes the drop-down on a click elsewhere.
    property Item overlay: null

    readonly property int optionCount: options ? options.length : 0
    readonly property bool listVisible: dropdown.visible

    signal optionSelected(int index)

    function openList() {
        dropdown.open()
    }

    function closeList() {
        dropdown.close()
    }

    // The text input shows the chosen option; nothing when none is chosen.
    function showSelected() {
        if (options && selectedIndex >= 0 && selectedIndex < options.length)
            input.text = options[selectedIndex]
        else
            input.text = ""
    }

    function choose(index) {
        optionSelected(index)
        selectedIndex = index
        dropdown.close()
    }

    placeholderVisible: selectedIndex === -1 && !input.activeFocus && input.text === ""
    // The text keeps clear of the caret, 8 from the box's edge, and 3 more.
    textRightMargin: caret.width + 11 * UI.ppp
    boxCursorShape: Qt.PointingHandCursor
    input.enabled: false

    onBoxClicked: dropdown.toggle()

    onOptionsChanged: {
        // Counted here: the optionCount binding may not have caught up yet.
        var count = options ? options.length : 0
        // A valid default, or the first option: a stored index may outlive its list.
        if (selectedIndex < 0 || selectedIndex >= count) {
            if (count === 0)
                selectedIndex = -1
            else
                selectedIndex = defaultIndex >= 0 && defaultIndex < count ? defaultIndex : 0
        }
        // The index may be the same while the text under it changed.
        showSelected()
    }
    onSelectedIndexChanged: showSelected()

    Component.onCompleted: showSelected()

    Text {
        id: caret
        anchors.right: root.box.right
        anchors.rightMargin: 8 * UI.ppp
        anchors.verticalCenter: root.box.verticalCenter
        text: Icons.FontAwesome.CaretDown
        color: Colors.Label.Grey
        font.family: "FontAwesome"
        font.pixelSize: UI.fontSize(18 * UI.ppp)
    }

    DropdownWindow {
        id: dropdown
        objectName: "dropdown"
        box: root.box
        overlay: root.overlay
        maximumHeight: root.dropdownMaximumHeight
        itemHeight: root.dropdownItemHeight
        contentWidth: root.box.width - 2 * frameBorder
        contentHeight: root.optionCount * root.dropdownItemHeight

        Column {
            id: optionList
            width: dropdown.contentWidth

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
