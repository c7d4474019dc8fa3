#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <ostream>
#include <stdexcept>

// Lets GoogleTest print Qt strings in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace plicora::testing {

// The child of `parent` with this object name and type. A missing one throws, which fails the
// test that asked for it instead of crashing the whole suite.
template <typename T = QWidget> T* child(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control named ") + name);
    return found;
}

// What a modal message box showed, when one was shown.
struct MessageSeen {
    bool shown = false;
    QString title;
    QString text;
    int buttonCount = 0;
    bool hasIcon = false;
    int shownLines = 0; // rows the text takes on screen, wrapped lines counted as shown
};

// Runs `action` and presses OK on the message box it opens, if any.
MessageSeen answerMessageBox(const std::function<void()>& action);

// The visible top-level windows, by object name.
QStringList visibleWindows();

// The window shown with this object name, or nullptr.
QWidget* visibleWindow(const QString& name);

// Destroys the windows closed with Qt::WA_DeleteOnClose.
void deleteClosedWindows();

// Runs the event loop until `done` holds; false if it doesn't within `ms` milliseconds.
bool waitUntil(const std::function<bool()>& done, int ms = 30000);

} // namespace plicora::testing
