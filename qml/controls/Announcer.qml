import QtQuick 2.6

// Tells a screen reader of changes the user did not ask for (a search finished, a file saved, an
// error): an alert whose name is the news; each new name is an event the reader speaks. It draws
// nothing but stays "showing", as readers skip what is not.
Item {
    id: root

    property string message: ""

    function say(text) {
        // The same news twice is still news.
        message = ""
        message = text
    }

    width: 1
    height: 1
    Accessible.role: Accessible.AlertMessage
    Accessible.name: message
}
