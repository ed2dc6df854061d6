import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// A labelled choice among options from a drop-down list.
InputFrame {
    id: root

    property var options: []
    // Indices of options shown but not offered: greyed, and a click on them chooses nothing.
    property var disabledOptions: []
    property int selectedIndex: -1
    property int defaultIndex: 0
    property int dropdownMaximumHeight: 160 * UI.ppp
    property int dropdownItemHeight: 20 * UI.ppp
    // The scene's ModalOverlay, which closes the drop-down on a click elsewhere.
    property Item overlay: null

    readonly property int optionCount: options ? options.length : 0
    // The width of the longest option's text.
    readonly property real widestOption: {
        // Read here, so that another scale measures again.
        var widest = optionMetrics.font.pixelSize * 0
        for (var i = 0; i < optionCount; ++i)
            widest = Math.max(widest, optionMetrics.advanceWidth(options[i]))
        return widest
    }
    readonly property bool listVisible: dropdown.visible
    // The row Up and Down have come to in the open list; Enter or Space chooses it.
    property int highlightedIndex: -1

    signal optionSelected(int index)

    function openList() {
        highlightedIndex = selectedIndex
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

    function optionEnabled(index) {
        return !disabledOptions || disabledOptions.indexOf(index) < 0
    }

    function moveHighlight(step) {
        highlightedIndex = Util.stepIndex(highlightedIndex, step, optionCount, optionEnabled)
        dropdown.showRow(highlightedIndex * dropdownItemHeight, dropdownItemHeight)
    }

    // Up and Down open the list and move through it; Escape closes it, the choice unchanged.
    function listKey(event) {
        if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
            if (listVisible)
                moveHighlight(event.key === Qt.Key_Down ? 1 : -1)
            else
                openList()
            event.accepted = true
        } else if (event.key === Qt.Key_Escape && listVisible) {
            closeList()
            event.accepted = true
        }
    }

    function choose(index) {
        if (index < 0 || index >= optionCount || !optionEnabled(index))
            return
        optionSelected(index)
        selectedIndex = index
        dropdown.close()
    }

    placeholderVisible: selectedIndex === -1 && !input.activeFocus && input.text === ""
    // The text keeps clear of the caret, 8 from the box's edge, and 3 more.
    textRightMargin: caret.width + 11 * UI.ppp
    boxCursorShape: Qt.PointingHandCursor
    input.enabled: false
    typing: false

    onBoxClicked: {
        keyTarget.forceActiveFocus()
        if (listVisible)
            closeList()
        else
            openList()
    }

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

    FocusTarget {
        id: keyTarget
        objectName: "keyTarget"
        anchors.fill: root.box
        role: Accessible.ComboBox
        onDark: root.onDark
        name: root.accessibleName
        description: root.input.text
        onActivated: {
            if (root.listVisible)
                root.choose(root.highlightedIndex)
            else
                root.openList()
        }
        onKeyPressed: root.listKey(event)
    }

    FontMetrics {
        id: optionMetrics
        font.pixelSize: UI.fontSize(12 * UI.ppp)
    }

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
        // As wide as the box, or wider where an option's text needs it: none is cut.
        contentWidth: Math.max(root.box.width, root.widestOption + 20 * UI.ppp) - 2 * frameBorder
        contentHeight: root.optionCount * root.dropdownItemHeight

        Column {
            id: optionList
            width: dropdown.contentWidth

            Repeater {
                model: root.optionCount

                DropdownOption {
                    objectName: "option" + index
                    width: optionList.width
                    height: root.dropdownItemHeight
                    text: root.options[index]
                    enabled: root.optionEnabled(index)
                    highlighted: index === root.highlightedIndex
                    onClicked: root.choose(index)
                }
            }
        }
    }
}
