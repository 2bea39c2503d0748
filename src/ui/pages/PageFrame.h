// The frame every wizard page, the welcome page, the help window and the source views share:
// a fixed-size window centred on the screen (the help and the source views may be made
// larger), a large bold dark-red heading at the top left and one bordered panel holding the
// page's controls and a single centred "OK" button.
#pragma once

#include <QDialog>
#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vornask {

enum class OnEscape { Close, KeepOpen };

// What the program's dialogs set up alike: the object name, the caption, no context-help button
// in the title bar, and what Escape does.
void SetUpDialog(QDialog& dialog, const QString& objectName, const QString& caption,
                 OnEscape escape);

// The "OK" button of the pages and the title prompt, the default button of its dialog.
QPushButton* MakeOkButton(QWidget* parent);

} // namespace vornask

class TPageFrame : public QDialog {
    Q_OBJECT
public:
    // Escape leaves most pages open: only their close control throws away what they hold.
    TPageFrame(const QString& objectName, const QString& caption, const QString& heading,
               vornask::OnEscape escape = vornask::OnEscape::KeepOpen);

    // What a page's modal run gives back when the user went back to the page before.
    static constexpr int WentBack = 2;

    QPushButton* okButton() const { return okButton_; }
    QLabel* headingLabel() const { return heading_; }

    // Shows the page as the next one of a chain opened from `previous` (if any): its
    // activation handler runs first, then the page runs modally until it closes, giving
    // `WentBack` when the user went back. Coming back to a page from a window shown over it
    // is no activation.
    int OpenFromPrevious(QWidget* previous = nullptr);
    // Asked before the user's close (its close control, Alt+F4) ends the page: false keeps it.
    void GuardClosing(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }

protected:
    // The page's activation handler (`ClosePrevious` on the wizard pages).
    virtual void Activated() {}
    // The "OK" handler; the page's modal loop ends when it returns, unless it called
    // `KeepOpenAfterOk`.
    virtual void OkPressed() {}
    // The user went back to the page from a question its "OK" asked: the page stays.
    void KeepOpenAfterOk() { keepOpen_ = true; }
    // Handles what the page opened by "OK" gave back: after `WentBack` this page shows again
    // as it was left, ready for another "OK". Only for a page run by `OpenFromPrevious`.
    void ReturnFrom(int nextPageResult);
    // Gives the page "< Back" (Alt+B) beside its "OK": it ends the page with `WentBack`. It can
    // be pressed only while the page was opened from another one.
    void AddBackButton();
    void closeEvent(QCloseEvent* event) override;

    // The panel's content area, above the "OK" button.
    QVBoxLayout* content() const { return content_; }

    // The window this page was last opened from, handed over by the opener.
    QWidget* previous() const { return previous_; }
    // Hides the window this page was opened from: a wizard shows one page at a time.
    void HidePrevious();
    // For a window that shows a long text: the user may make it larger, never smaller than its
    // size as a fixed page. Called once its controls are in place.
    void LetGrow();

private:
    // What a page's modal run gives back to be run again, as it was left.
    static constexpr int ShowAgain = 3;

    QLabel* heading_;
    QVBoxLayout* content_;
    QWidget* previous_ = nullptr;
    QPushButton* okButton_;
    QPushButton* backButton_ = nullptr;
    QGridLayout* buttonRow_;
    bool keepOpen_ = false;
    std::function<bool()> mayClose_;
};
