import QtQuick 2.6

// Page 1: the month calendar and the date search. An empty frame for now.
Item {
    id: root

    property var calendarModel: null
    property var searchModel: null

    // Moves the moon panel to an exact moment (the start of a void-of-course interval).
    signal dateTimeSelected(date value)
}
