// Drives modal windows in tests: each expected window is answered, in order, as soon as it
// is the active modal window, from a timer that keeps running inside the nested modal loops.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class QMessageBox;

namespace vornask {
class AppWindows;
} // namespace vornask

namespace vornask::test {

class ModalDriver : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(QWidget*)>;

    ModalDriver();
    ~ModalDriver() override;

    // When the modal window named `objectName` is active, runs `action` on it.
    ModalDriver& When(const QString& objectName, Action action);
    // Answers the next message box with `button`, recording its text and icon.
    ModalDriver& Answer(int standardButton);
    // Presses Return on the next message box, as a user who trusts its default answer; the
    // test fails unless that default is `standardButton`.
    ModalDriver& PressReturn(int standardButton);
    // Runs `action` on the next message box (to look at its buttons before answering it).
    ModalDriver& OnMessageBox(std::function<void(QMessageBox*)> action);
    // Closes the window named `objectName`, answers the question that follows with Return
    // (which must be "No"), then closes it again and answers "Yes". Whether "No" kept it open
    // goes to `keptOpen`.
    ModalDriver& CloseNoThenYes(const QString& objectName, bool& keptOpen);
    // Types `path` into the next file dialog and accepts it.
    ModalDriver& ChooseFile(const QString& objectName, const QString& path);
    // Cancels the next file dialog.
    ModalDriver& CancelFile(const QString& objectName);

    // True when every expected window was answered.
    bool Done() const { return pending_.empty(); }
    // What was seen, one entry per answered window: "ObjectName" or "MessageBox:<icon>:<text>".
    const QStringList& Seen() const { return seen_; }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        Action act;
    };
    void Poll();

    QTimer timer_;
    std::deque<Step> pending_;
    QStringList seen_;
    bool acting_ = false;
};

// The control named `name` in `window`; a missing control ends the test program at once.
template <class Control> Control* Find(QWidget* window, const QString& name) {
    auto* control = window->findChild<Control*>(name);
    if (!control)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return control;
}

// As the user picks `item` from the list of the combo box named `comboName`.
void Pick(QWidget* window, const QString& comboName, const QString& item);

// Clicks the button named `objectName` inside `window` (which must exist).
void Click(QWidget* window, const QString& objectName);
// Closes `window` as its close control does, answering "Yes" when asked whether to drop the
// work not saved (a mission's, a campaign's).
void CloseDroppingWork(QWidget* window);
// The top-level window named `objectName`.
QWidget* TopLevel(const QString& objectName);

// Makes every window of `windows` that is not made yet (the program makes each when it is
// first needed), for the tests that look at all of them.
void MakeEveryWindow(const AppWindows& windows);

} // namespace vornask::test
