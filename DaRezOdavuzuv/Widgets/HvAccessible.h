#pragma once

class QAccessibleInterface;
class QObject;

// What assistive technology (a screen reader, a test robot through AT-SPI) is told of the picture
// widgets, beyond what Qt says of their base classes:
//  - HvButton: a push button, a check box, a radio item of its group, a chooser (a combo box whose
//    text is the entry chosen) or an indicator (a check box that only shows a state), by its
//    role; its press and toggle are its click, the path the pointer takes, so a group and its
//    delegate follow them.
//  - HvSetpPanelObj: a named group holding its radio items, between them and their view.
//  - HvNoTitleWindow: a frame, a dialog, an alert or a notification, by its role, named by its
//    title (or accessible name) and described by its accessible description.
//  - HvNumberTextField: editable text with a value and its range.
//  - HvMessageBox: an alert, named by its title and described by its message.
//  - HvProgressBar: a slider whose value is in the user's units, with the words a user sees.
//  - HvAnnouncer: a notification of its window, named by the message announced.
// The widgets install the interfaces when the first of them is made.
namespace HvAccessible {

// Installs the interfaces; once per process, at any time after the application was made.
void install();

// Widgets of this class (by its meta-object name) and of classes derived from it show the radio
// groups they parent as nodes of their own, each holding its items, in place of the items.
void groupChildrenOf(const char* className);

// Tells assistive technology that the object appears, as when it is shown: a notification
// already up is spoken again with its new name. Nothing while no assistive technology listens.
void appearAgain(QObject* object);

} // namespace HvAccessible
