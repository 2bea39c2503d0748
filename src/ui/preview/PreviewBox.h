// The window that shows a section of the game's text as the game draws it, beside the window
// where it is written, and follows the text as it is typed: "PreviewText" holds the drawn text,
// "PreviewButtons" the section's buttons (shown, never pressed), "PreviewFlags" the flags its
// conditions ask about, each unticked at first; ticking one draws the page again.
#pragma once

#include "core/preview/DrawnPage.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QTextCursor;
class QTextBrowser;

namespace vornask {

// What a preview draws: the lines below a section's header, as the game will read them, and
// what fills in "{mission.fileName}".
struct PreviewSection {
    std::optional<std::vector<std::string>> lines; // none: the file holds no such section
    std::string missionFileName;                   // empty when not known
    bool operator==(const PreviewSection&) const = default;
};

} // namespace vornask

class TPreviewBox : public QDialog {
    Q_OBJECT
public:
    using Source = std::function<vornask::PreviewSection()>;

    TPreviewBox();

    // Shows the preview of what `source` gives beside `window`, and draws it again soon after
    // any of `watched` changes, until `window` is hidden: then the preview closes too.
    void Follow(QWidget& window, Source source, const QList<QWidget*>& watched);
    // Draws what the source gives now, unless the same is drawn already.
    void Redraw();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Watch(const QList<QWidget*>& watched);
    void StopFollowing();
    void Draw();
    void DrawPage(QTextCursor& cursor, const vornask::DrawnPage& page) const;
    void ShowButtons(const std::vector<std::string>& labels);
    void ShowFlags(const std::vector<std::string>& flags);
    std::vector<std::string> TickedFlags() const;

    QTextBrowser* text_;
    QFrame* buttons_;
    QLabel* flagsLabel_;
    QListWidget* flags_;
    QPointer<QWidget> window_;
    Source source_;
    std::vector<QMetaObject::Connection> watching_;
    std::optional<vornask::PreviewSection> shown_;
    // Changes that come in a burst (a paste, a chooser that changes two boxes) are drawn once.
    QTimer redrawSoon_;
};
