import QtQuick 2.6
import UI 1.0
import "../scripts/Colors.js" as Colors
import "../scripts/Icons.js" as Icons
import "../scripts/Util.js" as Util

// A labelled search field: typing asks for options through searched(), the drop-down lists
// them, and choosing one puts its text into the field. It keeps no selected index. The
// committed text (inputText) stays until a choice replaces it: focusing the field selects it,
// so typing starts a new lookup, and leaving without a choice shows it again.
InputFrame {
    id: root

    property var options: []
    property int dropdownMaximumHeight: 160 * UI.ppp
    property int dropdownItemHeight: 20 * UI.ppp
    // The scene's ModalOverlay, which closes the drop-down on a click elsewhere.
    property Item overlay: null
    property bool inSearch: false
    // The list may be wider than the box, for options longer than the box's text.
    property real dropdownWidth: box.width
    // Shown in the list while it holds no option: what to type, or that nothing was found.
    property string emptyNote: ""

    readonly property bool listVisible: dropdown.visible
    // The suggestion Up and Down have come to; Enter chooses it. The first, as they arrive.
    property int highlightedIndex: -1
    // Room for an option's text in its row.
    readonly property real optionTextWidth: optionList.width - 10 * UI.ppp
    readonly property int optionCount: options ? options.length : 0
    readonly property bool noteShown: optionCount === 0 && emptyNote !== ""

    signal searched(string lookup)
    signal optionSelected(int index)

    function setText(text) {
        input.text = text
    }

    function choose(index) {
        // The field now holds the choice, not the lookup that found it; the handlers of
        // optionSelected may put their own text for it.
        inputText = options[index]
        optionSelected(index)
        releaseFocus()
        input.text = inputText
        dropdown.close()
    }

    // The lookup given up: the field shows its committed text again and keeps the focus.
    function cancelSearch() {
        inSearch = false
        input.text = inputText
        input.selectAll()
        dropdown.close()
    }

    // Up and Down move through the suggestions, Enter chooses the highlighted one (with none yet,
    // the typing stays), Escape gives the lookup up; typing after that starts a new one.
    function searchKey(event) {
        var key = event.key
        if (!inSearch) {
            if (event.text !== "" && event.text.charCodeAt(0) >= 32 && key !== Qt.Key_Escape) {
                inSearch = true
                dropdown.open()
            }
            return
        }
        if (key === Qt.Key_Up || key === Qt.Key_Down) {
            highlightedIndex = Util.stepIndex(highlightedIndex, key === Qt.Key_Down ? 1 : -1,
                                              optionCount)
            dropdown.showRow(highlightedIndex * dropdownItemHeight, dropdownItemHeight)
        } else if (key === Qt.Key_Return || key === Qt.Key_Enter) {
            if (highlightedIndex >= 0 && highlightedIndex < optionCount)
                choose(highlightedIndex)
        } else if (key === Qt.Key_Escape) {
            cancelSearch()
        } else {
            return
        }
        event.accepted = true
    }

    // Focuses the field with its whole text selected, the cursor at the start, so the text's
    // start stays in view where it is too long for the box.
    function startSearch() {
        input.forceActiveFocus()
        input.select(input.length, 0)
    }

    placeholderVisible: !input.activeFocus && input.text === ""
    // Clear of the close glyph while it shows.
    input.width: box.width - (inSearch ? 42 : 10) * UI.ppp
    onBoxClicked: startSearch()
    onEditFinished: {
        // The search ends first, so putting the text back is no lookup.
        inSearch = false
        releaseFocus()
        input.text = inputText
        dropdown.close()
    }
    onInputTextChanged: {
        if (!inSearch)
            input.text = inputText
    }
    onInputKey: searchKey(event)
    onOptionsChanged: highlightedIndex = options && options.length > 0 ? 0 : -1

    Connections {
        target: root.input
        function onActiveFocusChanged() {
            if (root.input.activeFocus) {
                if (root.inSearch)
                    return
                root.inSearch = true
                // Reached by Tab as by a click: typing starts a new lookup.
                root.input.select(root.input.length, 0)
                dropdown.open()
            } else {
                root.inSearch = false
            }
        }
        function onTextChanged() {
            if (!root.inSearch)
                return
            if (!dropdown.visible)
                dropdown.open()
            root.searched(root.input.text)
        }
    }

    // The first click selects the whole text rather than placing the cursor in it.
    MouseArea {
        anchors.fill: root.box
        enabled: !root.input.activeFocus
        cursorShape: Qt.IBeamCursor
        onClicked: root.startSearch()
    }

    // Clears the typing for another lookup; the search goes on.
    Text {
        objectName: "clearButton"
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
                root.input.text = ""
                root.input.forceActiveFocus()
            }
        }
    }

    DropdownWindow {
        id: dropdown
        objectName: "dropdown"
        box: root.box
        overlay: root.overlay
        popup: typeof platform !== "undefined" && platform === "win"
        includeBox: true
        maximumHeight: root.dropdownMaximumHeight
        itemHeight: root.dropdownItemHeight
        contentWidth: optionList.width
        contentHeight: Math.max(root.optionCount, root.noteShown ? 1 : 0) * root.dropdownItemHeight

        Column {
            id: optionList
            width: Math.max(root.box.width, root.dropdownWidth) - 2 * dropdown.frameBorder

            Text {
                objectName: "emptyNote"
                visible: root.noteShown
                width: optionList.width
                height: root.dropdownItemHeight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: root.emptyNote
                color: Colors.Label.Grey
                font.italic: true
                font.pixelSize: UI.fontSize(12 * UI.ppp)
            }

            Repeater {
                model: root.optionCount

                DropdownOption {
                    highlighted: index === root.highlightedIndex
                    width: optionList.width
                    height: root.dropdownItemHeight
                    text: root.options[index]
                    onClicked: root.choose(index)
                }
            }
        }
    }
}
